#include <algorithm>
#include <string_view>

#include "families/humidity_scale_lines.h"
#include "families/line_family.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

// The right-hand scale stands this far (°C) right of the frame.
constexpr float kScaleOffset = 0.4f;

// The horizontal line at moisture w (g/kg) from the saturation curve, or from the left edge
// when the dew point lies left of the frame, to the scale, with its value there. Where the dew
// point lies right of the frame only the stretch from the right edge to the scale is left.
void DrawScaleLine(ChartSettings& chart, LineFamily family, float w, bool label, bool minor,
                   std::string_view format, double value) {
  DrawingSurface& surface = chart.Surface();
  const auto dew = static_cast<float>(chart.CursorState().DewPointFromHumidity(w));
  const PointF start{std::min(std::max(dew, surface.MinX), surface.MaxX), w};
  const PointF end{surface.MaxX + kScaleOffset, w};
  if (label) {
    OfferLabel(chart, {family, end, DrawingSurface::kAlignStart, DrawingSurface::kAlignMiddle,
                       format, value, false, minor});
  }
  DrawSegment(surface, start, end);
}

}  // namespace

void DrawAbsHumidityLines(ChartSettings& chart, bool labels, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  const ChartGridUnits& grid = GridUnitsOf(chart);
  if (labels) {
    OfferLabel(chart, {LineFamily::Moisture,
                       {surface.MaxX + kScaleOffset, chart.HumidityMax},
                       DrawingSurface::kAlignStart,
                       DrawingSurface::kAlignMiddle,
                       grid.moistureTitle,
                       0.0,
                       true});
  }
  SetFamilyPen(chart, LineFamily::Moisture, LineRank::Major, highlight);
  // In SI the shown moisture is the chart's own.
  const QuantityText& units = chart.GetUnits();
  const LineSpacing& spacing = grid.moisture;
  const auto top = static_cast<float>(ShownRangeEnd(units, Quantity::Moisture, chart.HumidityMax));
  auto v = SaturatedFloat(
      FirstLine(spacing, ShownRangeEnd(units, Quantity::Moisture, chart.HumidityMin)));
  for (int n = 0; n < kMaxFamilyLines && v < top; ++n, v = static_cast<float>(v + spacing.step)) {
    const auto w = static_cast<float>(units.FromShown(Quantity::Moisture, v));
    DrawScaleLine(chart, LineFamily::Moisture, w, labels, !(v > 0.0f && IsLabelledLine(spacing, v)),
                  " %0.0lf", v);
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
  const QuantityText& units = chart.GetUnits();
  const LineSpacing& spacing = GridUnitsOf(chart).vapourPressure;
  const double top =
      units.Shown(Quantity::VapourPressure, air.VapourPressureFromHumidity(chart.HumidityMax));
  auto p = SaturatedFloat(FirstLine(
      spacing,
      units.Shown(Quantity::VapourPressure, air.VapourPressureFromHumidity(chart.HumidityMin))));
  for (int n = 0; n < kMaxFamilyLines && top > p; ++n, p = static_cast<float>(p + spacing.step)) {
    const auto w = static_cast<float>(
        air.HumidityFromVapourPressure(units.FromShown(Quantity::VapourPressure, p)));
    DrawScaleLine(chart, LineFamily::VapourPressure, w, labels,
                  !(p > 0.0f && IsLabelledLine(spacing, p)), "%0.1lf", p);
  }
}

}  // namespace hygrovia
