#include "psychro/geometry.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

TEST(Geometry, LinearInterpolate) {
  struct Case {
    float a, b, c, d, e;
    float expected;
  };
  const Case cases[] = {
      {5, 0, 10, 100, 200, 150},   // between the ends
      {12, 0, 10, 100, 200, 220},  // beyond the upper end: extrapolated, not clamped
      {-5, 0, 10, 100, 200, 50},   // below the lower end
      {5, 10, 0, 200, 100, 150},   // ends given in falling order
      {0, 0, 10, 100, 200, 100},   // at an end, exactly
      {5, 3, 3, 1, 2, 1.5},        // b equal to c: the midpoint of d and e, not a division by 0
  };
  for (const Case& t : cases) {
    EXPECT_FLOAT_EQ(LinearInterpolate(t.a, t.b, t.c, t.d, t.e), t.expected)
        << t.a << ", " << t.b << ", " << t.c << ", " << t.d << ", " << t.e;
  }
}

TEST(Geometry, WithinToleranceAndSafeDivide) {
  struct ToleranceCase {
    float a, b, tolerance;
    bool expected;
  };
  const ToleranceCase tolerance_cases[] = {
      {2, 1, 1, true},      // upper end inclusive
      {0, 1, 1, true},      // lower end inclusive
      {2.5, 1, 1, false},   // above
      {-0.5, 1, 1, false},  // below
      {1, 1, 0, true},      // no tolerance: equal values only
  };
  for (const ToleranceCase& t : tolerance_cases) {
    EXPECT_EQ(WithinTolerance(t.a, t.b, t.tolerance), t.expected)
        << t.a << " within " << t.tolerance << " of " << t.b;
  }

  EXPECT_EQ(SafeDivide(1, 0), 0.0f);
  EXPECT_EQ(SafeDivide(0, 0), 0.0f);
  EXPECT_EQ(SafeDivide(-3, -0.0f), 0.0f);  // a negative zero is zero too
  EXPECT_EQ(SafeDivide(1, 4), 0.25f);
}

TEST(Geometry, SpanContainsX) {
  struct Case {
    float px;
    float ax, bx;
    bool expected;
  };
  // Tolerance 1 throughout; only x is looked at, so every y differs.
  const Case cases[] = {
      {11, 0, 10, true},  {12, 0, 10, false},  {-1, 0, 10, true},  {-2, 0, 10, false},
      {5, 0, 10, true},   {11, 10, 0, true},   {12, 10, 0, false}, {-1.5f, 10, 0, false},
      {0.5f, 0, 0, true}, {1.5f, 0, 0, false},
  };
  for (const Case& t : cases) {
    EXPECT_EQ(SpanContainsX({t.px, 100}, {t.ax, -50}, {t.bx, 7}, 1.0f), t.expected)
        << "P.x " << t.px << ", A.x " << t.ax << ", B.x " << t.bx;
  }
}

TEST(Geometry, DistanceAndDirection) {
  EXPECT_EQ(Distance(0, 0, 3, 4), 5.0f);
  EXPECT_EQ(Distance(3, 4, 0, 0), 5.0f);
  EXPECT_EQ(Distance(7.5f, -2, 7.5f, -2), 0.0f);

  struct AngleCase {
    float x2, y2;
    float expected;
  };
  // From the origin; a vertical segment reports pi/2 at single precision.
  const AngleCase cases[] = {
      {0, 0, 0.0f}, {0, -1, -1.5707964f}, {0, 1, 1.5707964f},     {-1, 0, kPi},
      {1, 0, 0.0f}, {1, 1, kPi / 4},      {-1, -1, -3 * kPi / 4},
  };
  for (const AngleCase& t : cases) {
    EXPECT_FLOAT_EQ(DirectionAngle(0, 0, t.x2, t.y2), t.expected) << t.x2 << ", " << t.y2;
  }
  EXPECT_EQ(DirectionAngle(0, 0, 0, -1), -1.5707964f);
  EXPECT_EQ(DirectionAngle(2, 3, 2, 3), 0.0f);
}

TEST(Geometry, RotateAbout) {
  struct Case {
    float x, y, cx, cy, angle;
    float expected_x, expected_y;
  };
  const Case cases[] = {
      {1, 0, 0, 0, kPi / 2, 0, 1},  // counter-clockwise with y up
      {1, 0, 0, 0, -kPi / 2, 0, -1},
      {3, 2, 2, 2, kPi, 1, 2},  // about a centre other than the origin
      {5, 7, 1, 1, 0, 5, 7},    // no turn
  };
  for (const Case& t : cases) {
    const PointF p = RotateAbout(t.x, t.y, t.cx, t.cy, t.angle);
    EXPECT_NEAR(p.x, t.expected_x, 1e-6) << t.x << ", " << t.y << " by " << t.angle;
    EXPECT_NEAR(p.y, t.expected_y, 1e-6) << t.x << ", " << t.y << " by " << t.angle;
  }
}

TEST(Geometry, DistanceToLine) {
  struct Case {
    float px, py, ax, ay, bx, by;
    float expected;
  };
  const Case cases[] = {
      // Vertical segment A = (0, 0), B = (0, 10).
      {3, 5, 0, 0, 0, 10, 3},
      {0, 15, 0, 0, 0, 10, 15},  // beyond B, yet measured to A
      {0, -2, 0, 0, 0, 10, 2},
      {-4, 10, 0.5f, 0, 0, 10, 4.5f},  // within 1 of vertical counts as vertical
      // Horizontal segment A = (0, 0), B = (10, 0).
      {5, 3, 0, 0, 10, 0, 3},
      {15, 0, 0, 0, 10, 0, 15},  // beyond B, measured to A
      {-2, 1, 0, 0, 10, 0, 2},
      // General segment A = (0, 0), B = (10, 10): the infinite line, the ends ignored.
      {0, 10, 0, 0, 10, 10, 7.0710678f},
      {20, 20, 0, 0, 10, 10, 0},
      {10, 0, 0, 0, 10, 10, 7.0710678f},
  };
  for (const Case& t : cases) {
    EXPECT_FLOAT_EQ(DistanceToLine(t.px, t.py, t.ax, t.ay, t.bx, t.by), t.expected)
        << "P (" << t.px << ", " << t.py << "), A (" << t.ax << ", " << t.ay << "), B (" << t.bx
        << ", " << t.by << ")";
  }
}

// Regression: the general case summed m × px − py + k in single precision, so a point far along
// a line of slope 1/3 lost its whole distance to cancellation and read as lying on the line.
TEST(Geometry, DistanceToLineKeepsPrecisionFarAlongTheLine) {
  const double m = SafeDivide(10, 30);
  const double expected = std::fabs(m * 30000 - 10000) / std::sqrt(m * m + 1);
  ASSERT_GT(expected, 2e-4);
  EXPECT_FLOAT_EQ(DistanceToLine(30000, 10000, 0, 0, 30, 10), static_cast<float>(expected));
}

}  // namespace
}  // namespace hygrovia
