#ifndef HYGROVIA_FAMILIES_LINE_FAMILY_H
#define HYGROVIA_FAMILIES_LINE_FAMILY_H

#include "model/chart_style.h"
#include "psychro/geometry.h"

namespace hygrovia {

class ChartSettings;
class DrawingSurface;
struct AirState;

// What every line family of the chart is drawn with: its pen, segments between chart points,
// the clipping of a segment's end and the curves of constant relative humidity.

// Whatever the ranges hold, each family draws at most kMaxFamilyLines lines and each curve
// at most kMaxFamilyLines segments, so a drawing always finishes at once.
inline constexpr int kMaxFamilyLines = 2000;

// The pen the chart's style gives the family's lines of that rank; highlight while the
// highlight pass draws the family again.
void SetFamilyPen(ChartSettings& chart, LineFamily family, LineRank rank, bool highlight);
// Hands a family's label to the chart's style, which draws it, keeps it for later or leaves
// it out.
void OfferLabel(ChartSettings& chart, const FamilyLabel& label);

// A line between two chart points. Where the model or the ranges run beyond any sensible
// chart a point may come out infinite; such a segment is left out rather than handed on.
void DrawSegment(DrawingSurface& surface, PointF from, PointF to);

// Moves p along the line through p and q to height y (moisture, g/kg).
void ClipToHeight(PointF& p, PointF q, float y);
// Moves p along the line through p and q to abscissa x (dry bulb, °C).
void ClipToAbscissa(PointF& p, PointF q, float x);

// Cuts the segment a–b at height bottom (moisture, g/kg), keeping what lies at or above it;
// false when nothing but a point, or nothing at all, is left.
bool CutBelow(PointF& a, PointF& b, float bottom);

// Saturation moisture (g/kg) at dry bulb t (°C) and the state's pressure, as a chart
// coordinate.
float SaturationAt(const AirState& air, double t);

// Where the saturation curve comes into the chart at its lower left: its point at TempMin, or,
// when that lies below the bottom edge, the dew point of the bottom edge's moisture on it.
PointF SaturationEntry(const ChartSettings& chart);

// True when value is a whole multiple of step.
bool IsMultipleOf(double value, double step);

// Where a curve of constant relative humidity ended, and whether it left through the top edge
// of the frame (its last point then lies on that edge).
struct CurveEnd {
  PointF last;
  bool crossedTop = false;
};

// The curve moisture = fraction × saturation moisture, with a vertex at every whole degree
// from TempMin up to TempMax, drawn with the current pen. The first vertex is joined to
// nothing; the curve ends at the last step or after the segment that reaches the top edge,
// which is clipped to it, and what lies below the bottom edge is left out. from is the point
// a segment ending at the first vertex would start from, used only when that vertex already
// lies above the top.
CurveEnd DrawHumidityCurve(ChartSettings& chart, double fraction, PointF from);

}  // namespace hygrovia

#endif  // HYGROVIA_FAMILIES_LINE_FAMILY_H
