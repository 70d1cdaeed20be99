#include <cmath>

#include "families/humidity_curves.h"
#include "model/chart_settings.h"
#include "families/line_family.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// The curves run from 10 % in steps of 10 % to 100 %; the fraction is single precision, so
// the bounds leave room for its rounding.
constexpr float kFirstFraction = 0.1f;
constexpr double kFractionStep = 0.1;
constexpr double kFractionEnd = 1.01;
constexpr double kSaturatedFraction = 0.99;

// The enthalpy scale climbs beside the saturation curve at half the slope (°C per g/kg) of
// the chord from where it comes into the chart to where the last curve left the top edge. A level
// chord has no finite slope; the scale then keeps the slope it had.
void UpdateLabelSlope(ChartSettings& chart, float dx, float dy) {
  if (dx == 0.0f || dy == 0.0f) {
    return;
  }
  const float slope = dx / dy * 0.5f;
  if (std::isfinite(slope)) {
    chart.LabelSlope = slope;
  }
}

}  // namespace

void DrawRelHumidityCurves(ChartSettings& chart, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  const PointF left = SaturationEntry(chart);
  // Each curve starts where the previous one ended: only a curve whose first vertex already
  // lies above the top edge uses it, for its clip.
  PointF last{surface.MinX, surface.MinY};
  float dx = 0.0f;
  float dy = 0.0f;
  for (float f = kFirstFraction; f < kFractionEnd; f = static_cast<float>(f + kFractionStep)) {
    const bool saturated = f >= kSaturatedFraction;
    SetFamilyPen(chart, saturated ? LineFamily::Saturation : LineFamily::RelativeHumidity,
                 saturated ? LineRank::Major : LineRank::Minor, highlight);
    const CurveEnd end = DrawHumidityCurve(chart, f, last);
    if (!highlight && !saturated) {
      OfferLabel(chart, {LineFamily::RelativeHumidity, end.last, DrawingSurface::kAlignCentre,
                         DrawingSurface::kAlignMiddle, "%0.0f%%", 100.0 * f});
    }
    if (end.crossedTop) {
      dx = end.last.x - left.x;
      dy = end.last.y - left.y;
    }
    last = end.last;
  }
  UpdateLabelSlope(chart, dx, dy);
  // The top edge of the chart right of the saturation curve.
  SetFamilyPen(chart, LineFamily::Frame, LineRank::Major, highlight);
  PointF corner{surface.MaxX, surface.MaxY};
  if (CutBelow(last, corner, surface.MinY)) {
    DrawSegment(surface, last, corner);
  }
}

}  // namespace hygrovia
