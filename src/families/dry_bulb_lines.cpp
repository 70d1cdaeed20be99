#include <cmath>

#include "families/dry_bulb_lines.h"
#include "families/dry_bulb_scale.h"
#include "families/line_family.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"
#include "units/quantity_text.h"

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
  // Lines at whole shown degrees from TempMin (toward zero); in SI t is the shown value itself.
  const QuantityText& units = chart.GetUnits();
  const LineSpacing spacing = DryBulbSpacing(chart);
  const double step = spacing.step;
  const double first =
      step * std::trunc(ShownRangeEnd(units, Quantity::Temperature, chart.TempMin) / step);
  const double last = std::trunc(ShownRangeEnd(units, Quantity::Temperature, chart.TempMax));
  for (int n = 0; n < kMaxFamilyLines && first + step * n <= last; ++n) {
    const double shown = first + step * n;
    const double t = units.FromShown(Quantity::Temperature, shown);
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
    const LineMarks marks = MarksOf(spacing, shown);
    if (marks.solid) {
      SetFamilyPen(chart, LineFamily::DryBulb, LineRank::Major, highlight);
    }
    // Compared as the chart's float: a range typed in other units ends at a rounded line.
    if (labels && marks.labelled && x > chart.TempMin) {
      DrawDryBulbNumber(chart, t, shown);
      bottom.y = surface.MinY - kTickLength;
    } else if (labels) {
      OfferLabel(chart, {LineFamily::DryBulb,
                         {x, surface.MinY},
                         DrawingSurface::kAlignCentre,
                         DrawingSurface::kAlignBelow,
                         "%0.0lf",
                         shown,
                         false,
                         true});
    }
    if (bottom.y < top.y) {
      DrawSegment(surface, bottom, top);
    }
    SetFamilyPen(chart, LineFamily::DryBulb, LineRank::Minor, highlight);
  }
}

}  // namespace hygrovia
