#include "surface/pixel.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

TEST(Pixel, TruncatesTowardZeroAndSaturates) {
  struct Case {
    float value;
    int pixel;
  };
  const Case cases[] = {
      {1.9f, 1},
      {-1.9f, -1},
      {0.0f, 0},
      {-0.0f, 0},
      {2147483520.0f, 2147483520},  // the largest float below 2^31 still fits
      {2147483648.0f, kIntMax},
      {-2147483648.0f, kIntMin},
      {3e9f, kIntMax},
      {-3e9f, kIntMin},
      {1e38f, kIntMax},
      {std::numeric_limits<float>::infinity(), kIntMax},
      {-std::numeric_limits<float>::infinity(), kIntMin},
      {std::numeric_limits<float>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TruncToPixel(c.value), c.pixel) << c.value;
    EXPECT_EQ(TruncToPixel(static_cast<double>(c.value)), c.pixel) << c.value;
  }
  EXPECT_EQ(TruncToPixel(2147483647.9), kIntMax);
  EXPECT_EQ(TruncToPixel(-2147483648.9), kIntMin);
}

TEST(Pixel, OffsetSaturatesAtTheIntRange) {
  struct Case {
    int pixel;
    std::int64_t offset;
    int result;
  };
  const Case cases[] = {
      {10, -3, 7},
      {kIntMax, 1, kIntMax},
      {kIntMin, -1, kIntMin},
      {kIntMin, std::int64_t{kIntMax} * 2, kIntMax - 1},
      {kIntMin, std::int64_t{1} << 32, kIntMax},
      {0, std::numeric_limits<std::int64_t>::max(), kIntMax},
      {0, std::numeric_limits<std::int64_t>::min(), kIntMin},
      {kIntMax, -std::int64_t{kIntMax}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OffsetPixel(c.pixel, c.offset), c.result) << c.pixel << " + " << c.offset;
  }
}

}  // namespace
}  // namespace hygrovia
