#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <fmt/format.h>

#include "families/enthalpy_lines.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "families/line_family.h"
#include "base/number_text.h"
#include "units/quantity_text.h"
#include "psychro/air_state.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// Enthalpy (kJ/kg) = dry bulb + kEnthalpyPerMoisture × moisture, as in the air state.
constexpr double kEnthalpyPerMoisture = 2.525252525;
// The lower ends sit a little left of the zero-moisture point so the lines do not coincide
// with the dry-bulb lines there.
constexpr double kLowerEndFactor = 0.999;
constexpr float kLeftReach = 1.0f;  // °C left of the frame
constexpr float kTopReach = 0.25f;  // g/kg above the frame
// The scale starts climbing where the lines rise above the bottom edge by more than this share
// of the height of the saturation point at TempMin.
constexpr double kClimbShare = 1.25;

// The lines' values are shown enthalpies, in the chart's units: kJ/kg in SI, where they run
// every 2 and are numbered every 10.
struct EnthalpyRange {
  double first;  // shown, a multiple of the line step
  double end;    // shown, exclusive
  float climb;   // g/kg
  float scaleX;  // °C, where the upper ends start
};

EnthalpyRange RangeOf(const ChartSettings& chart) {
  const AirState& air = chart.CursorState();
  const DrawingSurface& surface = chart.Surface();
  const double tMin = chart.TempMin;
  const double hMin = chart.HumidityMin;
  const double atMin = air.SaturationHumidity(tMin);
  // The scale starts left of where the saturation curve comes into the chart: through the
  // left edge, or through the bottom edge at that edge's dew point.
  const PointF entry = SaturationEntry(chart);
  const bool fromLeft = !(static_cast<float>(atMin) < surface.MinY);
  const double lowest = fromLeft ? tMin : entry.x;
  const float scaleX = fromLeft ? surface.MinX : entry.x;
  // The lines run up to the top-right corner of the unsaturated part of the chart.
  const double top =
      std::min(static_cast<double>(chart.HumidityMax), air.SaturationHumidity(chart.TempMax));
  const QuantityText& units = chart.GetUnits();
  const double step = GridUnitsOf(chart).enthalpy.step;
  const auto shown = [&units](double h) { return units.Shown(Quantity::Enthalpy, h); };
  return {step * std::trunc((1.0 / step) * shown(lowest + kEnthalpyPerMoisture * hMin)),
          std::trunc(shown(static_cast<double>(chart.TempMax) + kEnthalpyPerMoisture * top)),
          static_cast<float>(hMin + kClimbShare * (atMin - hMin)), scaleX - kLeftReach};
}

// A label's anchor moved right, or down, so far that the text is not cut by the image's left
// or top edge while the anchor itself lies in the image.
PointF KeptInImage(const DrawingSurface& surface, PointF at, std::string_view text, int hAlign,
                   int vAlign) {
  const TextBox box = surface.PlaceText(at.x, at.y, text, hAlign, vAlign);
  const PointF anchor = surface.WorldToDevice(at.x, at.y);
  PointF kept = at;
  if (box.left < 0.0f && anchor.x >= 0.0f && surface.ScaleX > 0.0f) {
    kept.x -= box.left / surface.ScaleX;
  }
  if (box.top < 0.0f && anchor.y >= 0.0f && surface.ScaleY > 0.0f) {
    kept.y += box.top / surface.ScaleY;
  }
  return kept;
}

// The number of a labelled line, or the family's title on the last labelled line.
void DrawEnthalpyLabel(ChartSettings& chart, PointF at, double h, const EnthalpyRange& range) {
  const ChartGridUnits& grid = GridUnitsOf(chart);
  const LineSpacing& spacing = grid.enthalpy;
  int hAlign = DrawingSurface::kAlignEnd;
  int vAlign = DrawingSurface::kAlignAbove;
  std::string text;
  if (h > range.end - spacing.labelStep) {
    hAlign = DrawingSurface::kAlignCentre;
    text = grid.enthalpyTitle;
  } else {
    if (h < range.first + spacing.labelStep + 0.5 * spacing.step) {
      vAlign = DrawingSurface::kAlignMiddle;
    }
    text = fmt::format("{:.0f}", h);
  }
  const PointF kept = KeptInImage(chart.Surface(), at, text, hAlign, vAlign);
  OfferLabel(chart, {LineFamily::Enthalpy, kept, hAlign, vAlign, text, h,
                     hAlign == DrawingSurface::kAlignCentre});
}

// True unless the scale's next step would bring the upper end closer to the saturation curve
// than the scale starts, as it would on charts taller than the curve, where the slope is not
// measured.
bool ClimbStaysLeftOfSaturation(const ChartSettings& chart, PointF upper) {
  const float next = upper.x + chart.LabelSlope;
  return !std::isfinite(next) || !(SaturationAt(chart.CursorState(), next + kLeftReach) > upper.y);
}

// False when the line has no unsaturated state on the chart, its lower end lying above the
// saturation curve, or when the scale's upper end has come level with its lower end.
bool HasStatesOnChart(const ChartSettings& chart, PointF lower, PointF upper) {
  return lower.x > upper.x && !(lower.y > SaturationAt(chart.CursorState(), lower.x));
}

}  // namespace

void DrawEnthalpyLines(ChartSettings& chart, bool labels, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  const EnthalpyRange range = RangeOf(chart);
  const float leftEnd = surface.MinX - kLeftReach;
  const float topEnd = surface.MaxY + kTopReach;
  const double hMin = chart.HumidityMin;
  const QuantityText& units = chart.GetUnits();
  const LineSpacing& spacing = GridUnitsOf(chart).enthalpy;
  // The upper end's x carries over from line to line, so the numbers climb as a scale.
  PointF upper{range.scaleX, 0.0f};
  SetFamilyPen(chart, LineFamily::Enthalpy, LineRank::Minor, highlight);
  for (int n = 0; n < kMaxFamilyLines && range.first + spacing.step * n < range.end; ++n) {
    const double shown = range.first + spacing.step * n;
    const double h = units.FromShown(Quantity::Enthalpy, shown);
    // The line dry bulb + 2.525252525 × moisture = 0.999 × h (kJ/kg), from the bottom edge.
    PointF lower{static_cast<float>(kLowerEndFactor * h - kEnthalpyPerMoisture * hMin),
                 chart.HumidityMin};
    if (!HasStatesOnChart(chart, lower, upper)) {
      continue;
    }
    upper.y =
        static_cast<float>((lower.x - upper.x) * (1.0 / kEnthalpyPerMoisture)) + chart.HumidityMin;
    // Along the top edge the scale runs on past the curve.
    if (upper.y > range.climb && (upper.y > topEnd || ClimbStaysLeftOfSaturation(chart, upper))) {
      upper.x += chart.LabelSlope;
    }
    if (upper.y > topEnd) {
      ClipToHeight(upper, lower, topEnd);
    }
    if (lower.x > surface.MaxX) {
      ClipToAbscissa(lower, upper, surface.MaxX);
    }
    if (upper.x < leftEnd) {
      ClipToAbscissa(upper, lower, leftEnd);
    }
    const LineMarks marks = MarksOf(spacing, shown);
    if (marks.solid) {
      SetFamilyPen(chart, LineFamily::Enthalpy, LineRank::Major, highlight);
    }
    if (labels && marks.labelled) {
      DrawEnthalpyLabel(chart, upper, shown, range);
    }
    DrawSegment(surface, lower, upper);
    SetFamilyPen(chart, LineFamily::Enthalpy, LineRank::Minor, highlight);
  }
}

}  // namespace hygrovia
