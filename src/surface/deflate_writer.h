#ifndef HYGROVIA_SURFACE_DEFLATE_WRITER_H
#define HYGROVIA_SURFACE_DEFLATE_WRITER_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hygrovia {

// A deflate stream (RFC 1951) made of the literal bytes and copies its writer is handed.
// Each block is coded with Huffman codes built for the symbols it holds, so a picture's few
// colours and long repeats cost a bit or two each.
class DeflateWriter {
 public:
  static constexpr int kMinCopy = 3;
  static constexpr int kMaxCopy = 258;
  static constexpr int kMaxDistance = 32768;

  void Literal(unsigned char byte);
  // `length` bytes (kMinCopy to kMaxCopy) repeated from `distance` bytes back (1 to
  // kMaxDistance); the caller makes sure the stream holds them.
  void Copy(int length, int distance);
  // Literals and copies handed over since the last block.
  std::size_t Pending() const { return tokens_.size(); }
  // Codes what is pending as one block; the last block ends the stream on a byte boundary.
  void EndBlock(bool last);
  // Ends the stream so far on a byte boundary without ending it, as zlib's sync flush does
  // (an empty stored block): another writer's blocks may follow.
  void EndOnByte();
  // The bytes of the stream so far; call after EndBlock(true) or EndOnByte().
  std::string Take();

 private:
  void Put(std::uint32_t bits, int count);
  void FlushBits();

  std::vector<std::uint32_t> tokens_;
  std::array<std::uint32_t, 286> literalCounts_{};
  std::array<std::uint32_t, 30> distanceCounts_{};
  std::string bytes_;
  std::uint64_t bits_ = 0;
  int bitCount_ = 0;
};

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_DEFLATE_WRITER_H
