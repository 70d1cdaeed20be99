#include "surface/png_stream.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <future>
#include <string_view>
#include <vector>

#include "base/run_aside.h"
#include "surface/deflate_writer.h"

namespace hygrovia {
namespace {

constexpr std::uint32_t kColour = 0x00FFFFFFu;  // a pixel without its alpha
constexpr int kBytesPerPixel = 3;
constexpr int kMaxCopyPixels = DeflateWriter::kMaxCopy / kBytesPerPixel;
constexpr std::size_t kTokensPerBlock = std::size_t{1} << 15;
constexpr int kRowsPerBand = 128;
constexpr int kMaxBands = 16;
constexpr std::uint64_t kAdlerModulus = 65521;
constexpr int kAdlerPixels = 1024;  // few enough that the sums of a run fit 32 bits
// zlib's header for deflate with a 32 KiB window at the fastest level.
constexpr std::string_view kZlibHeader{"\x78\x01", 2};

// Sums over n pixels of their bytes red, green, blue: of the bytes; of the bytes weighted
// each by the pixels from its own to the last (n for the first, 1 for the last); and of
// green plus twice blue.
struct PixelSums {
  std::uint64_t bytes = 0;
  std::uint64_t weighted = 0;
  std::uint64_t less = 0;
};

constexpr std::uint32_t BytesOf(std::uint32_t pixel) {
  return (pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF);
}

constexpr std::uint32_t LessOf(std::uint32_t pixel) {
  return (pixel >> 8 & 0xFF) + 2 * (pixel & 0xFF);
}

// The sums of a whole number of lanes' width of pixels: each lane sums its own pixels, and
// before each step adds its sum so far to a second sum, which weights each pixel by the
// steps after its own. The lanes have no bearing on each other, so the work is done for all
// of them at once where the processor can.
constexpr int kLanes = 8;
PixelSums LaneSumsOf(const std::uint32_t* pixels, int n) {
  std::array<std::uint32_t, kLanes> sum{};
  std::array<std::uint32_t, kLanes> later{};
  std::array<std::uint32_t, kLanes> less{};
  for (int at = 0; at < n; at += kLanes) {
    for (std::size_t lane = 0; lane < kLanes; ++lane) {
      later[lane] += sum[lane];
      sum[lane] += BytesOf(pixels[at + static_cast<int>(lane)]);
      less[lane] += LessOf(pixels[at + static_cast<int>(lane)]);
    }
  }
  // A pixel in lane i is followed by kLanes times its later steps, plus kLanes - i in its own.
  PixelSums sums;
  for (std::size_t lane = 0; lane < kLanes; ++lane) {
    sums.bytes += sum[lane];
    sums.weighted +=
        kLanes * std::uint64_t{later[lane]} + (kLanes - lane) * std::uint64_t{sum[lane]};
    sums.less += less[lane];
  }
  return sums;
}

// The sums of a few pixels, one after another: adding the running sum after each pixel
// counts each pixel's bytes once for itself and once for each pixel after it.
PixelSums SumsOf(const std::uint32_t* pixels, int n) {
  PixelSums sums;
  for (int k = 0; k < n; ++k) {
    sums.bytes += BytesOf(pixels[k]);
    sums.weighted += sums.bytes;
    sums.less += LessOf(pixels[k]);
  }
  return sums;
}

// The Adler-32 checksum (RFC 1950) of the bytes PNG makes of rows, and how many there are.
struct Adler32 {
  std::uint64_t low = 1;   // 1 plus every byte
  std::uint64_t high = 0;  // the sum of `low` after each byte
  std::uint64_t length = 0;

  void AddRow(const std::uint32_t* row, int width) {
    high = (high + low) % kAdlerModulus;  // the filter byte, 0
    ++length;
    for (int x = 0; x < width; x += kAdlerPixels) {
      const int n = std::min(kAdlerPixels, width - x);
      const int inLanes = n - n % kLanes;
      Add(LaneSumsOf(row + x, inLanes), inLanes);
      Add(SumsOf(row + x + inLanes, n - inLanes), n - inLanes);
    }
  }

  // Of the 3n bytes of n pixels, byte i adds itself 3n - i times to `high`: for pixel k,
  // 3(n - k) times its three bytes, less its green once and its blue twice.
  void Add(const PixelSums& sums, int n) {
    const std::uint64_t bytes = kBytesPerPixel * static_cast<std::uint64_t>(n);
    high = (high + bytes * low + kBytesPerPixel * sums.weighted - sums.less) % kAdlerModulus;
    low = (low + sums.bytes) % kAdlerModulus;
    length += bytes;
  }

  // The checksum of these bytes followed by those of `next`.
  void Append(const Adler32& next) {
    high = (high + next.high + next.length % kAdlerModulus * (low + kAdlerModulus - 1)) %
           kAdlerModulus;
    low = (low + next.low + kAdlerModulus - 1) % kAdlerModulus;
    length += next.length;
  }

  std::uint32_t Value() const { return static_cast<std::uint32_t>(high << 16 | low); }
};

constexpr int kPixelsAtOnce = 8;
constexpr std::uint64_t kPairColours = std::uint64_t{kColour} << 32 | kColour;

std::uint64_t PairAt(const std::uint32_t* pixels) {
  std::uint64_t pair = 0;
  std::memcpy(&pair, pixels, sizeof pair);
  return pair;
}

// How many of the first `limit` pixels have the colours of the pixels of `model`, read from
// the same places or, with a `step` of 0, all from its first. Eight pixels are looked at
// together, two by two without a branch for each, until one of them differs.
template <int step>
int Matching(const std::uint32_t* pixels, const std::uint32_t* model, int limit) {
  int n = 0;
  const std::uint64_t repeated = std::uint64_t{model[0]} << 32 | model[0];
  for (; n + kPixelsAtOnce <= limit; n += kPixelsAtOnce) {
    std::uint64_t differ = 0;
    for (int k = n; k < n + kPixelsAtOnce; k += 2) {
      differ |= PairAt(pixels + k) ^ (step == 0 ? repeated : PairAt(model + k));
    }
    if ((differ & kPairColours) != 0) break;
  }
  while (n < limit && ((pixels[n] ^ model[step * n]) & kColour) == 0) ++n;
  return n;
}

// One row: its filter byte, then copies where pixels repeat the one to their left or the
// one above (when given), whichever runs longer, and the bytes of the other pixels.
void DeflateRow(DeflateWriter& out, const std::uint32_t* row, const std::uint32_t* above,
                int width) {
  out.Literal(0);
  const int upDistance = 1 + kBytesPerPixel * width;
  for (int x = 0; x < width;) {
    const int limit = std::min(width - x, kMaxCopyPixels);
    const int left = x > 0 ? Matching<0>(row + x, row + x - 1, limit) : 0;
    // The run above is looked for only where it could be the longer.
    const int up = above != nullptr && left < limit ? Matching<1>(row + x, above + x, limit) : 0;
    if (left == 0 && up == 0) {
      out.Literal(static_cast<unsigned char>(row[x] >> 16));
      out.Literal(static_cast<unsigned char>(row[x] >> 8));
      out.Literal(static_cast<unsigned char>(row[x]));
      ++x;
    } else if (left >= up) {
      out.Copy(kBytesPerPixel * left, kBytesPerPixel);
      x += left;
    } else {
      out.Copy(kBytesPerPixel * up, upDistance);
      x += up;
    }
  }
}

struct Band {
  std::string bytes;
  Adler32 sum;
};

// Rows [first, last) as deflate blocks. A band that is not the last ends on a byte without
// ending the stream, so that the next band's blocks follow it; its copies may reach into
// the band before, whose bytes an inflater has by then.
Band DeflateBand(const ConstPixelRows& rows, int first, int last, bool final) {
  const bool aboveInReach = 1 + kBytesPerPixel * rows.width <= DeflateWriter::kMaxDistance;
  DeflateWriter out;
  Band band;
  for (int y = first; y < last; ++y) {
    band.sum.AddRow(rows.Row(y), rows.width);
    DeflateRow(out, rows.Row(y), y > 0 && aboveInReach ? rows.Row(y - 1) : nullptr, rows.width);
    if (out.Pending() >= kTokensPerBlock) out.EndBlock(false);
  }
  if (final) {
    out.EndBlock(true);
  } else {
    out.EndOnByte();
  }
  band.bytes = out.Take();
  return band;
}

}  // namespace

std::string PngImageStream(const ConstPixelRows& rows) {
  const int count = std::clamp(rows.height / kRowsPerBand, 1, kMaxBands);
  std::vector<Band> bands(static_cast<std::size_t>(count));
  std::atomic<int> next = 0;
  // Each thread takes the next band left until none is: a thread that starts late, or is
  // slowed, leaves more of them to the other.
  const auto deflateBands = [&rows, &bands, &next, count] {
    for (int b = next++; b < count; b = next++) {
      const auto first = static_cast<int>(static_cast<long long>(rows.height) * b / count);
      const auto last = static_cast<int>(static_cast<long long>(rows.height) * (b + 1) / count);
      bands[static_cast<std::size_t>(b)] = DeflateBand(rows, first, last, b + 1 == count);
    }
  };
  std::future<void> helper = RunAside(deflateBands);
  deflateBands();
  helper.get();
  std::string stream(kZlibHeader);
  Adler32 sum;
  for (const Band& band : bands) {
    stream += band.bytes;
    sum.Append(band.sum);
  }
  for (int shift = 24; shift >= 0; shift -= 8) {
    stream += static_cast<char>(sum.Value() >> shift & 0xFF);
  }
  return stream;
}

}  // namespace hygrovia
