#include "chart/line_family.h"

#include <limits>

#include <gtest/gtest.h>

#include "chart/drawing_fixture.h"

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
    testing::DrawingChart chart;
    DrawSegment(chart.surface, c.from, c.to);
    EXPECT_EQ(chart.Lines().size(), c.lines) << c.from.x << " " << c.to.y;
  }
}

TEST(LineFamilyTest, ClippingMovesTheEndAlongItsLine) {
  struct Case {
    PointF p;
    PointF q;
    bool toHeight;
    float at;
    PointF expected;
  };
  const Case cases[] = {
      {{10.0f, 40.0f}, {0.0f, 0.0f}, true, 35.0f, {8.75f, 35.0f}},
      {{60.0f, 0.0f}, {40.0f, 20.0f}, false, 50.0f, {50.0f, 10.0f}},
      // A level segment clipped to its own height keeps the midpoint of its ends.
      {{0.0f, 5.0f}, {10.0f, 5.0f}, true, 5.0f, {5.0f, 5.0f}},
  };
  for (const Case& c : cases) {
    PointF p = c.p;
    if (c.toHeight) {
      ClipToHeight(p, c.q, c.at);
    } else {
      ClipToAbscissa(p, c.q, c.at);
    }
    EXPECT_FLOAT_EQ(p.x, c.expected.x);
    EXPECT_FLOAT_EQ(p.y, c.expected.y);
  }
}

}  // namespace
}  // namespace hygrovia
