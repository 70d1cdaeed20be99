#include <cmath>

#include "chart/chart_drawing.h"
#include "chart/chart_settings.h"
#include "chart/data_table.h"
#include "chart/line_family.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr std::string_view kTitle =
    "       DBT(\xC2\xB0"
    "C)";
// Labelled lines reach this far (g/kg) below the frame, as ticks under their numbers.
constexpr float kTickLength = 0.25f;

}  // namespace

void DrawDryBulbLines(ChartSettings& chart, bool labels, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  SetFamilyPen(surface, highlight, kPenDotted);
  if (labels) {
    DrawValueLabel(chart, chart.TempMin, surface.MinY, DrawingSurface::kAlignCentre,
                   DrawingSurface::kAlignBelow, kTitle, 0.0);
  }
  const double first = std::trunc(static_cast<double>(chart.TempMin));
  const double last = std::trunc(static_cast<double>(chart.TempMax));
  for (int n = 0; n < kMaxFamilyLines && first + n <= last; ++n) {
    const double t = first + n;
    const auto x = static_cast<float>(t);
    PointF bottom{x, surface.MinY};
    PointF top{x, SaturationAt(chart.CursorState(), t)};
    if (top.y > surface.MaxY) {
      top.y = surface.MaxY;
    }
    if (IsMultipleOf(t, 5.0)) {
      SetFamilyPen(surface, highlight, kPenSolid);
      if (labels && t > chart.TempMin) {
        DrawValueLabel(chart, x, surface.MinY, DrawingSurface::kAlignCentre,
                       DrawingSurface::kAlignBelow, "%0.0lf", t);
        bottom.y = surface.MinY - kTickLength;
      }
    }
    DrawSegment(surface, bottom, top);
    SetFamilyPen(surface, highlight, kPenDotted);
  }
}

}  // namespace hygrovia
