#include "surface/deflate_writer.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <queue>
#include <utility>

namespace hygrovia {
namespace {

constexpr int kEndOfBlock = 256;
constexpr int kFirstLengthSymbol = 257;
constexpr int kMaxCodeBits = 15;
constexpr int kMaxLengthCodeBits = 7;  // the code that codes the other codes' lengths
constexpr int kDynamicBlock = 2;
constexpr int kCopyShift = 16;  // a copy's token: its length above, its distance below

// The first copy length and distance of each symbol and the extra bits that follow it.
constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order in which a block's header gives the lengths of the code-length code.
constexpr std::array<int, 19> kLengthCodeOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                  11, 4,  12, 3, 13, 2, 14, 1, 15};

// The symbol (from 0) of a copy length: the eight shortest have one each, then each
// doubling of the length is split among four symbols; the longest has its own.
int LengthSymbol(int length) {
  if (length == DeflateWriter::kMaxCopy) return static_cast<int>(kLengthBase.size()) - 1;
  const auto past = static_cast<unsigned>(length - DeflateWriter::kMinCopy);
  if (past < 8) return static_cast<int>(past);
  const int bits = static_cast<int>(std::bit_width(past)) - 1;
  return 4 * (bits - 1) + static_cast<int>(past >> (bits - 2) & 3);
}

// The symbol (from 0) of a copy distance: the four shortest have one each, then each
// doubling of the distance is split between two symbols.
int DistanceSymbol(int distance) {
  const auto past = static_cast<unsigned>(distance - 1);
  if (past < 4) return static_cast<int>(past);
  const int bits = static_cast<int>(std::bit_width(past)) - 1;
  return 2 * bits + static_cast<int>(past >> (bits - 1) & 1);
}

// Code lengths of a Huffman code for the counts, by merging the two lightest nodes until
// one is left; unused symbols get none. Ties go to the lower node number, so the same counts
// always give the same code.
std::vector<int> HuffmanLengths(const std::vector<std::uint32_t>& counts) {
  using Node = std::pair<std::uint64_t, int>;
  std::priority_queue<Node, std::vector<Node>, std::greater<>> lightest;
  const int symbols = static_cast<int>(counts.size());
  for (int s = 0; s < symbols; ++s) {
    if (counts[static_cast<std::size_t>(s)] > 0)
      lightest.emplace(counts[static_cast<std::size_t>(s)], s);
  }
  std::vector<int> parent(2 * counts.size(), -1);
  int next = symbols;
  while (lightest.size() > 1) {
    const Node a = lightest.top();
    lightest.pop();
    const Node b = lightest.top();
    lightest.pop();
    parent[static_cast<std::size_t>(a.second)] = next;
    parent[static_cast<std::size_t>(b.second)] = next;
    lightest.emplace(a.first + b.first, next++);
  }
  // Every node's parent was made after it, so depths fill in from the root down.
  std::vector<int> depth(static_cast<std::size_t>(next), 0);
  for (int node = next - 2; node >= 0; --node) {
    const int up = parent[static_cast<std::size_t>(node)];
    if (up >= 0) depth[static_cast<std::size_t>(node)] = depth[static_cast<std::size_t>(up)] + 1;
  }
  depth.resize(counts.size());
  return depth;
}

// A Huffman code for the counts, no code longer than maxBits, written least significant bit
// first as deflate sends them. At least two symbols get a code, as an inflater wants a
// complete code; counts are halved until the longest code fits.
struct HuffmanCode {
  std::vector<int> lengths;
  std::vector<std::uint32_t> codes;

  HuffmanCode(std::vector<std::uint32_t> counts, int maxBits) {
    for (std::size_t s = 0; std::count(counts.begin(), counts.end(), 0u) + 2 > std::ssize(counts);
         ++s) {
      if (counts[s] == 0) counts[s] = 1;
    }
    for (lengths = HuffmanLengths(counts);
         *std::max_element(lengths.begin(), lengths.end()) > maxBits;
         lengths = HuffmanLengths(counts)) {
      for (std::uint32_t& count : counts) count = (count + 1) / 2;
    }
    codes = CanonicalCodes(lengths);
  }

  // The codes of RFC 1951, 3.2.2: shorter codes first, each length's in symbol order.
  static std::vector<std::uint32_t> CanonicalCodes(const std::vector<int>& lengths) {
    std::array<std::uint32_t, kMaxCodeBits + 1> perLength{};
    for (const int length : lengths) ++perLength[static_cast<std::size_t>(length)];
    perLength[0] = 0;
    std::array<std::uint32_t, kMaxCodeBits + 1> next{};
    for (std::size_t bits = 1, code = 0; bits <= kMaxCodeBits; ++bits) {
      code = (code + perLength[bits - 1]) << 1;
      next[bits] = static_cast<std::uint32_t>(code);
    }
    std::vector<std::uint32_t> codes(lengths.size(), 0);
    for (std::size_t s = 0; s < lengths.size(); ++s) {
      const int length = lengths[s];
      if (length == 0) continue;
      const std::uint32_t code = next[static_cast<std::size_t>(length)]++;
      for (int bit = 0; bit < length; ++bit) codes[s] |= ((code >> bit) & 1u) << (length - 1 - bit);
    }
    return codes;
  }

  int Length(int symbol) const { return lengths[static_cast<std::size_t>(symbol)]; }
  std::uint32_t Code(int symbol) const { return codes[static_cast<std::size_t>(symbol)]; }
  // How many symbols the header must give: up to the last with a code, at least `least`.
  int Used(int least) const {
    int used = static_cast<int>(lengths.size());
    while (used > least && lengths[static_cast<std::size_t>(used) - 1] == 0) --used;
    return used;
  }
};

// One symbol of the code-length alphabet: 0 to 15 a length, 16 the last length again 3 to 6
// times, 17 and 18 a run of 3 to 10 and 11 to 138 zeros; `extra` is the repeat count's bits.
struct CodeLengthSymbol {
  int symbol = 0;
  int extra = 0;
};

constexpr int ExtraBitsOf(int lengthSymbol) {
  return lengthSymbol == 16 ? 2 : lengthSymbol == 17 ? 3 : lengthSymbol == 18 ? 7 : 0;
}

// The lengths, runs of one length made short by the repeat symbols.
std::vector<CodeLengthSymbol> RunsOf(const std::vector<int>& lengths) {
  std::vector<CodeLengthSymbol> runs;
  for (std::size_t at = 0; at < lengths.size();) {
    const int length = lengths[at];
    std::size_t count = 1;
    while (at + count < lengths.size() && lengths[at + count] == length) ++count;
    at += count;
    if (length != 0) {
      runs.push_back({length, 0});
      --count;
    }
    while (count >= 3) {
      const int take = static_cast<int>(std::min<std::size_t>(count, length != 0 ? 6 : 138));
      if (length != 0) {
        runs.push_back({16, take - 3});
      } else {
        runs.push_back(take >= 11 ? CodeLengthSymbol{18, take - 11}
                                  : CodeLengthSymbol{17, take - 3});
      }
      count -= static_cast<std::size_t>(take);
    }
    for (; count > 0; --count) runs.push_back({length, 0});
  }
  return runs;
}

}  // namespace

void DeflateWriter::Literal(unsigned char byte) {
  tokens_.push_back(byte);
  ++literalCounts_[byte];
}

void DeflateWriter::Copy(int length, int distance) {
  tokens_.push_back(static_cast<std::uint32_t>(length) << kCopyShift |
                    static_cast<std::uint32_t>(distance));
  ++literalCounts_[static_cast<std::size_t>(kFirstLengthSymbol + LengthSymbol(length))];
  ++distanceCounts_[static_cast<std::size_t>(DistanceSymbol(distance))];
}

void DeflateWriter::EndBlock(bool last) {
  ++literalCounts_[kEndOfBlock];
  const HuffmanCode literals({literalCounts_.begin(), literalCounts_.end()}, kMaxCodeBits);
  const HuffmanCode distances({distanceCounts_.begin(), distanceCounts_.end()}, kMaxCodeBits);
  const int literalsGiven = literals.Used(kFirstLengthSymbol);
  const int distancesGiven = distances.Used(1);
  std::vector<int> lengths(literals.lengths.begin(), literals.lengths.begin() + literalsGiven);
  lengths.insert(lengths.end(), distances.lengths.begin(),
                 distances.lengths.begin() + distancesGiven);
  const std::vector<CodeLengthSymbol> runs = RunsOf(lengths);
  std::vector<std::uint32_t> runCounts(kLengthCodeOrder.size(), 0);
  for (const CodeLengthSymbol& run : runs) ++runCounts[static_cast<std::size_t>(run.symbol)];
  const HuffmanCode runCode(runCounts, kMaxLengthCodeBits);
  int orderGiven = static_cast<int>(kLengthCodeOrder.size());
  while (orderGiven > 4 &&
         runCode.Length(kLengthCodeOrder[static_cast<std::size_t>(orderGiven) - 1]) == 0) {
    --orderGiven;
  }

  Put(last ? 1 : 0, 1);
  Put(kDynamicBlock, 2);
  Put(static_cast<std::uint32_t>(literalsGiven - kFirstLengthSymbol), 5);
  Put(static_cast<std::uint32_t>(distancesGiven - 1), 5);
  Put(static_cast<std::uint32_t>(orderGiven - 4), 4);
  for (int i = 0; i < orderGiven; ++i) {
    Put(static_cast<std::uint32_t>(runCode.Length(kLengthCodeOrder[static_cast<std::size_t>(i)])),
        3);
  }
  for (const CodeLengthSymbol& run : runs) {
    Put(runCode.Code(run.symbol), runCode.Length(run.symbol));
    Put(static_cast<std::uint32_t>(run.extra), ExtraBitsOf(run.symbol));
  }
  for (const std::uint32_t token : tokens_) {
    if (token < kEndOfBlock) {
      Put(literals.Code(static_cast<int>(token)), literals.Length(static_cast<int>(token)));
      continue;
    }
    const int length = static_cast<int>(token >> kCopyShift);
    const int distance = static_cast<int>(token & ((1u << kCopyShift) - 1));
    const int lengthSymbol = LengthSymbol(length);
    const auto ls = static_cast<std::size_t>(lengthSymbol);
    const int lengthBits = literals.Length(kFirstLengthSymbol + lengthSymbol);
    Put(literals.Code(kFirstLengthSymbol + lengthSymbol) |
            static_cast<std::uint32_t>(length - kLengthBase[ls]) << lengthBits,
        lengthBits + kLengthExtra[ls]);
    const int distanceSymbol = DistanceSymbol(distance);
    const auto ds = static_cast<std::size_t>(distanceSymbol);
    const int distanceBits = distances.Length(distanceSymbol);
    Put(distances.Code(distanceSymbol) | static_cast<std::uint32_t>(distance - kDistanceBase[ds])
                                             << distanceBits,
        distanceBits + kDistanceExtra[ds]);
  }
  Put(literals.Code(kEndOfBlock), literals.Length(kEndOfBlock));

  tokens_.clear();
  literalCounts_.fill(0);
  distanceCounts_.fill(0);
  if (last) FlushBits();
}

void DeflateWriter::EndOnByte() {
  if (!tokens_.empty()) EndBlock(false);
  Put(0, 3);  // not the last block, stored
  FlushBits();
  bytes_.append("\x00\x00\xFF\xFF", 4);  // its length, none, and that length's complement
}

std::string DeflateWriter::Take() { return std::exchange(bytes_, {}); }

void DeflateWriter::Put(std::uint32_t bits, int count) {
  bits_ |= static_cast<std::uint64_t>(bits) << bitCount_;
  bitCount_ += count;
  if (bitCount_ < 32) return;
  for (int byte = 0; byte < 4; ++byte, bits_ >>= 8) bytes_ += static_cast<char>(bits_ & 0xFF);
  bitCount_ -= 32;
}

void DeflateWriter::FlushBits() {
  for (; bitCount_ > 0; bitCount_ -= 8, bits_ >>= 8) bytes_ += static_cast<char>(bits_ & 0xFF);
  bitCount_ = 0;
  bits_ = 0;
}

}  // namespace hygrovia
