#include <cmath>

#include "chart/chart_drawing.h"
#include "chart/chart_settings.h"
#include "chart/dry_bulb_scale.h"
#include "chart/line_family.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// Labelled lines reach this far (g/kg) below the frame, as ticks under their numbers.
constexpr float kTickLength = 0.25f;

}  // namespace

void DrawDryBulbLines(ChartSettings& chart, bool labels, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  SetFamilyPen(chart, LineFamily::DryBulb, LineRank::Minor, highlight);
  if (labels) {
    DrawDryBulbTitle(chart);
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
    // Where the whole line lies below the bottom edge only a labelled line's tick is left.
    if (top.y < surface.MinY) {
      top.y = surface.MinY;
    }
    if (IsMultipleOf(t, 5.0)) {
      SetFamilyPen(chart, LineFamily::DryBulb, LineRank::Major, highlight);
      if (labels && t > chart.TempMin) {
        DrawDryBulbNumber(chart, t);
        bottom.y = surface.MinY - kTickLength;
      }
    }
    if (bottom.y < top.y) {
      DrawSegment(surface, bottom, top);
    }
    SetFamilyPen(chart, LineFamily::DryBulb, LineRank::Minor, highlight);
  }
}

}  // namespace hygrovia
