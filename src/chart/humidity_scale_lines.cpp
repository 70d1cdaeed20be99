#include <algorithm>
#include <string_view>

#include "chart/chart_drawing.h"
#include "chart/chart_settings.h"
#include "chart/line_family.h"
#include "psychro/air_state.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// The right-hand scale stands this far (°C) right of the frame.
constexpr float kScaleOffset = 0.4f;
constexpr float kHumidityStep = 5.0f;  // g/kg
constexpr double kPressureStep = 0.4;  // kPa

// The horizontal line at moisture w (g/kg) from the saturation curve, or from the left edge
// when the dew point lies left of the frame, to the scale, with its value there. Where the dew
// point lies right of the frame only the stretch from the right edge to the scale is left.
void DrawScaleLine(ChartSettings& chart, LineFamily family, float w, bool label,
                   std::string_view format, double value) {
  DrawingSurface& surface = chart.Surface();
  const auto dew = static_cast<float>(chart.CursorState().DewPointFromHumidity(w));
  const PointF start{std::min(std::max(dew, surface.MinX), surface.MaxX), w};
  const PointF end{surface.MaxX + kScaleOffset, w};
  if (label) {
    OfferLabel(chart, {family, end, DrawingSurface::kAlignStart, DrawingSurface::kAlignMiddle,
                       format, value});
  }
  DrawSegment(surface, start, end);
}

}  // namespace

void DrawAbsHumidityLines(ChartSettings& chart, bool labels, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  if (labels) {
    OfferLabel(chart, {LineFamily::Moisture,
                       {surface.MaxX + kScaleOffset, chart.HumidityMax},
                       DrawingSurface::kAlignStart,
                       DrawingSurface::kAlignMiddle,
                       " AH",
                       0.0,
                       true});
  }
  SetFamilyPen(chart, LineFamily::Moisture, LineRank::Major, highlight);
  float w = chart.HumidityMin;
  for (int n = 0; n < kMaxFamilyLines && w < chart.HumidityMax; ++n, w += kHumidityStep) {
    DrawScaleLine(chart, LineFamily::Moisture, w, labels && w > 0.0f, " %0.0lf", w);
  }
}

void DrawVapourPressureLines(ChartSettings& chart, bool labels, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  if (labels) {
    OfferLabel(chart, {LineFamily::VapourPressure,
                       {surface.MaxX + kScaleOffset, chart.HumidityMax},
                       DrawingSurface::kAlignStart,
                       DrawingSurface::kAlignAbove,
                       "VP",
                       0.0,
                       true});
  }
  SetFamilyPen(chart, LineFamily::VapourPressure, LineRank::Major, highlight);
  const AirState& air = chart.CursorState();
  const double top = air.VapourPressureFromHumidity(chart.HumidityMax);
  auto p = static_cast<float>(air.VapourPressureFromHumidity(chart.HumidityMin));
  for (int n = 0; n < kMaxFamilyLines && top > p; ++n, p = static_cast<float>(p + kPressureStep)) {
    const auto w = static_cast<float>(air.HumidityFromVapourPressure(p));
    DrawScaleLine(chart, LineFamily::VapourPressure, w, labels && p > 0.0f, "%0.1lf", p);
  }
}

}  // namespace hygrovia
