#include <cmath>

#include "families/wet_bulb_lines.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "families/line_family.h"
#include "units/quantity_text.h"
#include "psychro/air_state.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// A wet-bulb line keeps dry bulb + kWetBulbSlope × moisture (°C, g/kg) constant, as the air
// state's wet-bulb search does.
constexpr double kWetBulbSlope = 2.4528;

}  // namespace

void DrawWetBulbLines(ChartSettings& chart, bool highlight) {
  DrawingSurface& surface = chart.Surface();
  const AirState& air = chart.CursorState();
  SetFamilyPen(chart, LineFamily::WetBulb, LineRank::Minor, highlight);
  // From the solid line at or right of TempMin (toward zero), one line per shown degree.
  const QuantityText& units = chart.GetUnits();
  const LineSpacing& spacing = GridUnitsOf(chart).wetBulb;
  const double first =
      spacing.solidStep * std::trunc((1.0 / spacing.solidStep) *
                                     ShownRangeEnd(units, Quantity::Temperature, chart.TempMin));
  const double end = std::trunc(ShownRangeEnd(units, Quantity::Temperature, chart.TempMax));
  for (int n = 0; n < kMaxFamilyLines && first + spacing.step * n < end; ++n) {
    const double shown = first + spacing.step * n;
    const double tw = units.FromShown(Quantity::Temperature, shown);
    const double saturation = air.SaturationHumidity(tw);
    // A line whose saturation point lies below the bottom edge has no state on the chart.
    if (!(saturation > surface.MinY)) {
      continue;
    }
    PointF top{static_cast<float>(tw), static_cast<float>(saturation)};
    // Where the line of constant wet bulb reaches the bottom edge.
    PointF bottom{static_cast<float>(tw + kWetBulbSlope * (saturation - surface.MinY)),
                  surface.MinY};
    if (top.y > surface.MaxY) {
      ClipToHeight(top, bottom, surface.MaxY);
    }
    // Every later line meets the top edge further right still. A top end the clip could not
    // place (saturation beyond any number) ends the family too.
    if (!(top.x < surface.MaxX)) {
      break;
    }
    if (bottom.x > surface.MaxX) {
      ClipToAbscissa(bottom, top, surface.MaxX);
    }
    if (IsSolidLine(spacing, shown)) {
      SetFamilyPen(chart, LineFamily::WetBulb, LineRank::Major, highlight);
      if (!highlight) {
        OfferLabel(chart, {LineFamily::WetBulb, top, DrawingSurface::kAlignEnd,
                           DrawingSurface::kAlignAbove, "%0.0lf", shown});
      }
    }
    DrawSegment(surface, top, bottom);
    SetFamilyPen(chart, LineFamily::WetBulb, LineRank::Minor, highlight);
  }
}

}  // namespace hygrovia
