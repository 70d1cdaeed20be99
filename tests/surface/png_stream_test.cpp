#include "surface/png_stream.h"

#include <zlib.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "surface/deflate_writer.h"

namespace hygrovia {
namespace {

// The stream inflated by zlib, which also checks its Adler-32; empty when zlib refuses it.
std::string Inflated(const std::string& stream, std::size_t size) {
  std::string bytes(size + 1, '\0');
  uLongf length = static_cast<uLongf>(bytes.size());
  if (uncompress(reinterpret_cast<Bytef*>(bytes.data()), &length,
                 reinterpret_cast<const Bytef*>(stream.data()),
                 static_cast<uLong>(stream.size())) != Z_OK) {
    return {};
  }
  bytes.resize(length);
  return bytes;
}

// The bytes a PNG reader must find: each row the filter byte 0, then red, green and blue.
std::string PngRows(const std::vector<std::uint32_t>& pixels, int width, int height) {
  std::string bytes;
  for (int y = 0; y < height; ++y) {
    bytes += '\0';
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * width + x)];
      bytes += static_cast<char>(pixel >> 16);
      bytes += static_cast<char>(pixel >> 8);
      bytes += static_cast<char>(pixel);
    }
  }
  return bytes;
}

// Flat rows, rows like their neighbours, lines, noise and alpha that must be left out, at
// widths about the checksum's and the copies' steps, and heights that make several bands
// and blocks: every image comes back byte for byte, the same each time.
TEST(PngStreamTest, InflatesToTheRows) {
  struct Case {
    int width;
    int height;
  };
  std::mt19937 random(20261207);
  for (const Case size : {Case{1, 1}, Case{7, 3}, Case{9, 300}, Case{86, 129}, Case{1025, 40},
                          Case{300, 1100}, Case{2049, 5}, Case{11000, 3}}) {
    for (const int kind : {0, 1, 2}) {
      SCOPED_TRACE(testing::Message() << size.width << "x" << size.height << " kind " << kind);
      std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.width * size.height));
      for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
          const bool line = (x + y) % 97 == 0 || x % 50 == 0;
          std::uint32_t pixel = line ? 0xFF0000FFu : 0xFFEFEFEFu;
          if (kind == 1) pixel = static_cast<std::uint32_t>(random()) | (line ? 0u : 0xFF000000u);
          if (kind == 2 && y % 5 == 0)
            pixel = (static_cast<std::uint32_t>(random()) & 0xFF000000u) | 0x303030u;
          pixels[static_cast<std::size_t>(y * size.width + x)] = pixel;
        }
      }
      const ConstPixelRows rows{pixels.data(), size.width, size.width, size.height};
      const std::string stream = PngImageStream(rows);
      const std::string expected = PngRows(pixels, size.width, size.height);
      EXPECT_TRUE(Inflated(stream, expected.size()) == expected);
      // Flat areas and lines are copies, so a picture of them packs to a small part.
      if (kind == 0) {
        EXPECT_LT(stream.size(), expected.size() / 20 + 64) << stream.size();
      }
      EXPECT_EQ(PngImageStream(rows), stream);
    }
  }
}

// Copies of every length at distances of every symbol, and literals whose counts grow as
// the Fibonacci numbers, whose Huffman code would be deeper than deflate allows.
TEST(PngStreamTest, WriterCodesEveryLengthAndDistance) {
  DeflateWriter writer;
  std::string expected;
  for (int i = 0; i < DeflateWriter::kMaxDistance; ++i) {
    const auto byte = static_cast<unsigned char>(i * 7 % 251);
    writer.Literal(byte);
    expected += static_cast<char>(byte);
  }
  writer.EndBlock(false);
  for (std::uint64_t symbol = 0, count = 1, earlier = 1; symbol < 26; ++symbol) {
    for (std::uint64_t i = 0; i < count; ++i) {
      writer.Literal(static_cast<unsigned char>(symbol));
      expected += static_cast<char>(symbol);
    }
    count = std::exchange(earlier, count) + count;
  }
  writer.EndBlock(false);
  // The first and last distance of each distance symbol, in turn.
  const std::vector<int> distances = {
      1,    2,    3,    4,    5,    6,    7,    8,     9,     12,    13,    16,    17,    24,
      25,   32,   33,   48,   49,   64,   65,   96,    97,    128,   129,   192,   193,   256,
      257,  384,  385,  512,  513,  768,  769,  1024,  1025,  1536,  1537,  2048,  2049,  3072,
      3073, 4096, 4097, 6144, 6145, 8192, 8193, 12288, 12289, 16384, 16385, 24576, 24577, 32768};
  for (int length = DeflateWriter::kMinCopy; length <= DeflateWriter::kMaxCopy; ++length) {
    const int distance = distances[static_cast<std::size_t>(length) % distances.size()];
    writer.Copy(length, distance);
    for (int i = 0; i < length; ++i)
      expected += expected[expected.size() - static_cast<std::size_t>(distance)];
    if (length % 64 == 0) writer.EndBlock(false);
  }
  writer.Copy(DeflateWriter::kMaxCopy, DeflateWriter::kMaxDistance);
  for (int i = 0; i < DeflateWriter::kMaxCopy; ++i) {
    expected += expected[expected.size() - DeflateWriter::kMaxDistance];
  }
  writer.EndOnByte();
  writer.EndBlock(true);
  const std::string stream = "\x78\x01" + writer.Take();
  const uLong adler =
      adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(expected.data()),
              static_cast<uInt>(expected.size()));
  std::string trailer;
  for (int shift = 24; shift >= 0; shift -= 8) trailer += static_cast<char>(adler >> shift);
  EXPECT_TRUE(Inflated(stream + trailer, expected.size()) == expected);
}

}  // namespace
}  // namespace hygrovia
