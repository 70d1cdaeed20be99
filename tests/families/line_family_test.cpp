#include "families/line_family.h"

#include <limits>

#include <gtest/gtest.h>

#include "support/test_chart.h"

namespace hygrovia {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(LineFamilyTest, SegmentsWithPointsThatAreNotFiniteAreLeftOut) {
  struct Case {
    PointF from;
    PointF to;
    std::size_t lines;
  };
  const Case cases[] = {
      {{0.0f, 0.0f}, {10.0f, 10.0f}, 1}, {{kNaN, 0.0f}, {10.0f, 10.0f}, 0},
      {{0.0f, 0.0f}, {10.0f, kNaN}, 0},  {{-kInf, 0.0f}, {10.0f, 10.0f}, 0},
      {{0.0f, 0.0f}, {10.0f, kInf}, 0},
  };
  for (const Case& c : cases) {
    testing::TestChart chart;
    DrawSegment(chart.surface, c.from, c.to);
    EXPECT_EQ(chart.canvas.Lines().size(), c.lines) << c.from.x << " " << c.to.y;
  }
}

}  // namespace
}  // namespace hygrovia
