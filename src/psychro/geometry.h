#ifndef HYGROVIA_PSYCHRO_GEOMETRY_H
#define HYGROVIA_PSYCHRO_GEOMETRY_H

namespace hygrovia {

// Pure helpers on plane coordinates, in whatever units the caller uses (chart units for
// interpolation, device pixels for hit tests). Arguments are single precision; the work
// is done in double precision and rounded to the result's type. Angles are radians.

// A plane point in floats.
struct PointF {
  float x = 0.0f;
  float y = 0.0f;
};

// The value at a of the straight line through (b, d) and (c, e); outside [b, c] it
// extrapolates. When c equals b the midpoint (d + e) / 2.
float LinearInterpolate(float a, float b, float c, float d, float e);

// True when a lies within tolerance of b, both ends inclusive.
bool WithinTolerance(float a, float b, float tolerance);

// numerator / divisor, or 0 when the divisor is exactly 0.
float SafeDivide(float numerator, float divisor);

// True unless p.x lies beyond both a.x and b.x on the same side by more than tolerance.
bool SpanContainsX(PointF p, PointF a, PointF b, float tolerance);

// Distance of the two points; 0 when the squared distance is not positive.
float Distance(float x1, float y1, float x2, float y2);

// Direction of the segment from the first point to the second, in (-pi, pi]; 0 for a single
// point and +-pi/2 (single precision) for a vertical segment.
float DirectionAngle(float x1, float y1, float x2, float y2);

// (x, y) turned by angle about (cx, cy); positive angles turn counter-clockwise with y up.
PointF RotateAbout(float x, float y, float cx, float cy, float angle);

// Distance of p from the line through a and b, with a tolerance of 1 unit for taking the
// segment as vertical or horizontal. In those two cases a point beyond both ends is measured
// along the axis to a; in the general case the ends are ignored (combine with SpanContainsX).
float DistanceToLine(float px, float py, float ax, float ay, float bx, float by);

}  // namespace hygrovia

#endif  // HYGROVIA_PSYCHRO_GEOMETRY_H
