#include "psychro/geometry.h"

#include <cmath>

namespace hygrovia {
namespace {

constexpr double kHalfPi = 1.5707964f;  // pi/2 as the nearest float, as vertical segments report it

}  // namespace

float LinearInterpolate(float a, float b, float c, float d, float e) {
  if (c == b) return static_cast<float>((static_cast<double>(d) + e) * 0.5);
  const double slope = (static_cast<double>(a) - b) / (static_cast<double>(c) - b);
  return static_cast<float>(d + slope * (static_cast<double>(e) - d));
}

bool WithinTolerance(float a, float b, float tolerance) {
  return static_cast<double>(b) + tolerance >= a && static_cast<double>(b) - tolerance <= a;
}

float SafeDivide(float numerator, float divisor) {
  if (divisor == 0.0f) return 0.0f;
  return static_cast<float>(static_cast<double>(numerator) / divisor);
}

bool SpanContainsX(PointF p, PointF a, PointF b, float tolerance) {
  const double px = p.x;
  if (px > static_cast<double>(a.x) + tolerance && px > static_cast<double>(b.x) + tolerance) {
    return false;
  }
  if (px < static_cast<double>(a.x) - tolerance && px < static_cast<double>(b.x) - tolerance) {
    return false;
  }
  return true;
}

float Distance(float x1, float y1, float x2, float y2) {
  const double dx = static_cast<double>(x2) - x1;
  const double dy = static_cast<double>(y2) - y1;
  const double s = dx * dx + dy * dy;
  return s > 0.0 ? static_cast<float>(std::sqrt(s)) : 0.0f;
}

float DirectionAngle(float x1, float y1, float x2, float y2) {
  const double dx = static_cast<double>(x2) - x1;
  const double dy = static_cast<double>(y2) - y1;
  if (dx == 0.0) {
    if (dy == 0.0) return 0.0f;
    return static_cast<float>(dy < 0.0 ? -kHalfPi : kHalfPi);
  }
  return static_cast<float>(std::atan2(dy, dx));
}

PointF RotateAbout(float x, float y, float cx, float cy, float angle) {
  const double c = std::cos(static_cast<double>(angle));
  const double s = std::sin(static_cast<double>(angle));
  const double dx = static_cast<double>(x) - cx;
  const double dy = static_cast<double>(y) - cy;
  return {static_cast<float>(cx + c * dx - s * dy), static_cast<float>(cy + s * dx + c * dy)};
}

float DistanceToLine(float px, float py, float ax, float ay, float bx, float by) {
  if (WithinTolerance(ax, bx, 1.0f)) {
    if (py > ay && py > by) return std::fabs(py - ay);
    if (py < ay && py < by) return std::fabs(ay - py);
    return std::fabs(ax - px);
  }
  if (WithinTolerance(ay, by, 1.0f)) {
    if (px > ax && px > bx) return std::fabs(px - ax);
    if (px < ax && px < bx) return std::fabs(ax - px);
    return std::fabs(ay - py);
  }
  const float m = SafeDivide(by - ay, bx - ax);
  const double k = ay - static_cast<double>(m) * ax;
  const double numerator = static_cast<double>(m) * px - py + k;
  const double root = std::sqrt(static_cast<double>(m) * m + 1.0);
  return std::fabs(SafeDivide(static_cast<float>(numerator), static_cast<float>(root)));
}

}  // namespace hygrovia
