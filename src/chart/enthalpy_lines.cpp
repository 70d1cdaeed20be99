#include <cmath>

#include "chart/chart_drawing.h"
#include "chart/chart_settings.h"
#include "chart/data_table.h"
#include "chart/line_family.h"
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
constexpr int kLineStep = 2;        // kJ/kg
constexpr int kLabelStep = 10;      // kJ/kg, solid and labelled
constexpr float kLeftReach = 1.0f;  // °C left of the frame
constexpr float kTopReach = 0.25f;  // g/kg above the frame
// The scale starts climbing where the lines rise above this share of the saturation
// moisture at TempMin.
constexpr double kClimbShare = 1.25;

constexpr std::string_view kTitle = "Enthalpy (kJ/kg)";

struct EnthalpyRange {
  double first;  // kJ/kg, an even number
  double end;    // kJ/kg at the top-right corner, exclusive
  float climb;   // g/kg
};

EnthalpyRange RangeOf(const ChartSettings& chart) {
  const double tMin = chart.TempMin;
  return {2.0 * std::trunc(0.5 * tMin),
          std::trunc(static_cast<double>(chart.TempMax) +
                     kEnthalpyPerMoisture * static_cast<double>(chart.HumidityMax)),
          static_cast<float>(kClimbShare * chart.CursorState().SaturationHumidity(tMin))};
}

// The number of a labelled line, or the family's title on the last labelled line.
void DrawEnthalpyLabel(ChartSettings& chart, PointF at, double h, const EnthalpyRange& range) {
  if (h > range.end - kLabelStep) {
    DrawValueLabel(chart, at.x, at.y, DrawingSurface::kAlignCentre, DrawingSurface::kAlignAbove,
                   kTitle, h);
  } else if (h < range.first + kLabelStep + 1) {
    DrawValueLabel(chart, at.x, at.y, DrawingSurface::kAlignEnd, DrawingSurface::kAlignMiddle,
                   "%0.0lf", h);
  } else {
    DrawValueLabel(chart, at.x, at.y, DrawingSurface::kAlignEnd, DrawingSurface::kAlignAbove,
                   "%0.0lf", h);
  }
}

}  // namespace

void DrawEnthalpyLines(ChartSettings& chart, bool labels, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  const EnthalpyRange range = RangeOf(chart);
  const float leftEnd = surface.MinX - kLeftReach;
  const float topEnd = surface.MaxY + kTopReach;
  // The upper end's x carries over from line to line, so the numbers climb as a scale.
  PointF upper{leftEnd, 0.0f};
  SetFamilyPen(surface, highlight, kPenDotted);
  for (int n = 0; n < kMaxFamilyLines && range.first + kLineStep * n < range.end; ++n) {
    const double h = range.first + kLineStep * n;
    PointF lower{static_cast<float>(kLowerEndFactor * h), chart.HumidityMin};
    upper.y = static_cast<float>((lower.x - upper.x) * (1.0 / kEnthalpyPerMoisture));
    if (upper.y > range.climb) {
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
    if (IsMultipleOf(h, kLabelStep)) {
      SetFamilyPen(surface, highlight, kPenSolid);
      if (labels) {
        DrawEnthalpyLabel(chart, upper, h, range);
      }
    }
    DrawSegment(surface, lower, upper);
    SetFamilyPen(surface, highlight, kPenDotted);
  }
}

}  // namespace hygrovia
