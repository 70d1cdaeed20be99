#include "surface/pixel_lines.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlackRgb = 0x000000u;

// A white image with a row of spare pixels after each row, which no line may touch.
struct Image {
  static constexpr int kWidth = 40;
  static constexpr int kHeight = 30;
  static constexpr int kStride = kWidth + 1;
  std::vector<std::uint32_t> pixels =
      std::vector<std::uint32_t>(static_cast<std::size_t>(kStride * kHeight), kWhite);

  PixelRows Rows() { return {pixels.data(), kStride, kWidth, kHeight}; }
  // How much of a black pixel (0 to 1) the blue channel shows.
  double Ink(int x, int y) const {
    return (255 - (pixels[static_cast<std::size_t>(y * kStride + x)] & 0xFFu)) / 255.0;
  }
  double TotalInk() const {
    double sum = 0.0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) sum += Ink(x, y);
    }
    return sum;
  }
  bool SparePixelsWhite() const {
    for (int y = 0; y < kHeight; ++y) {
      if (pixels[static_cast<std::size_t>(y * kStride + kWidth)] != kWhite) return false;
    }
    return true;
  }
};

// Every line lays ink in proportion to its length along its major axis and its strength, in
// either direction, cut where it leaves the image, and never outside it.
TEST(PixelLines, InkFollowsLengthAndStrengthWithinTheImage) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double x1, y1, x2, y2, strength;
    double ink;  // expected total, to within the rounding of each pixel's share
  };
  const Case cases[] = {
      {2.0, 5.5, 8.0, 5.5, 1.0, 6.0},          // along a row through the centres
      {8.0, 5.5, 2.0, 5.5, 1.0, 6.0},          // the same, backwards
      {5.5, 2.0, 5.5, 12.0, 1.0, 10.0},        // along a column
      {3.0, 4.2, 23.0, 9.7, 1.0, 20.0},        // flat slant: ink per column
      {4.0, 1.0, 9.0, 26.0, 0.5, 12.5},        // steep slant at half strength
      {-100.0, 10.0, 100.0, 10.0, 1.0, 40.0},  // across and beyond both sides
      {-1e9, -1e9, 1e9, 1e9, 1.0, 30.0},       // far beyond: cut to the image first
      {50.0, 5.0, 90.0, 5.0, 1.0, 0.0},        // wholly outside
      {10.2, 10.5, 10.7, 10.5, 1.0, 0.5},      // within one pixel
      {inf, 0.0, 10.0, 10.0, 1.0, 0.0},        // not finite: nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2);
    Image image;
    BlendSmoothLine(image.Rows(), c.x1, c.y1, c.x2, c.y2, kBlackRgb, c.strength);
    EXPECT_NEAR(image.TotalInk(), c.ink, 0.02 * c.ink + 0.05);
    EXPECT_TRUE(image.SparePixelsWhite());
  }
}

// Each column of a slanted line shares its ink between the two pixels whose centres straddle
// the line, by nearness: the ink's centre lies on the line.
TEST(PixelLines, InkCentresOnTheLine) {
  Image image;
  BlendSmoothLine(image.Rows(), 0.0, 3.3, 40.0, 17.1, kBlackRgb, 1.0);
  for (int x = 1; x < Image::kWidth - 1; ++x) {
    double ink = 0.0;
    double moment = 0.0;
    for (int y = 0; y < Image::kHeight; ++y) {
      ink += image.Ink(x, y);
      moment += image.Ink(x, y) * (y + 0.5);
    }
    EXPECT_NEAR(ink, 1.0, 0.01) << x;
    EXPECT_NEAR(moment / ink, 3.3 + (17.1 - 3.3) * (x + 0.5) / 40.0, 0.01) << x;
  }
}

// Over a transparent pixel the colour's share becomes the alpha, as premultiplied pixels
// need; an opaque pixel stays opaque.
TEST(PixelLines, KeepsPremultipliedAndOpaquePixelsSo) {
  std::uint32_t pixels[2] = {0x00000000u, 0xFF102030u};
  const PixelRows rows{pixels, 2, 2, 1};
  BlendSmoothLine(rows, 0.0, 0.5, 2.0, 0.5, 0xFF8040u, 0.5);
  EXPECT_EQ(pixels[0] >> 24, 128u);
  EXPECT_EQ((pixels[0] >> 16) & 0xFFu, 128u);  // half of 0xFF
  EXPECT_EQ(pixels[1] >> 24, 255u);
}

}  // namespace
}  // namespace hygrovia
