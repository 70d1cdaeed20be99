#include "families/dry_bulb_scale.h"

#include <cmath>
#include <string>

#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "families/line_family.h"
#include "base/number_text.h"
#include "units/quantity_text.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr std::string_view kNumberFormat = "%0.0lf";

// True when the scale shows a number at shown dry bulb v, t (°C): a whole shown degree of the
// range right of TempMin.
bool HasNumber(const ChartSettings& chart, double v, double t) {
  const QuantityText& units = chart.GetUnits();
  return static_cast<float>(t) > chart.TempMin &&
         v >= std::trunc(ShownRangeEnd(units, Quantity::Temperature, chart.TempMin)) &&
         v <= std::trunc(ShownRangeEnd(units, Quantity::Temperature, chart.TempMax));
}

TextBox BoxUnderEdge(const ChartSettings& chart, double x, std::string_view text) {
  const DrawingSurface& surface = chart.Surface();
  return surface.PlaceText(static_cast<float>(x), surface.MinY, text, DrawingSurface::kAlignCentre,
                           DrawingSurface::kAlignBelow);
}

}  // namespace

void DrawDryBulbTitle(ChartSettings& chart) {
  OfferLabel(chart, {LineFamily::DryBulb,
                     {chart.TempMin, chart.Surface().MinY},
                     DrawingSurface::kAlignCentre,
                     DrawingSurface::kAlignBelow,
                     GridUnitsOf(chart).dryBulbTitle,
                     0.0,
                     true});
}

void DrawDryBulbNumber(ChartSettings& chart, double t, double shown) {
  OfferLabel(chart, {LineFamily::DryBulb,
                     {static_cast<float>(t), chart.Surface().MinY},
                     DrawingSurface::kAlignCentre,
                     DrawingSurface::kAlignBelow,
                     kNumberFormat,
                     shown});
}

bool CoversDryBulbScale(const ChartSettings& chart, float x, std::string_view text) {
  const TextBox box = BoxUnderEdge(chart, x, text);
  if (Overlap(box, BoxUnderEdge(chart, chart.TempMin, GridUnitsOf(chart).dryBulbTitle))) {
    return true;
  }
  // The numbers on either side of x and their neighbours; numbers further away would first
  // overlap each other.
  const QuantityText& units = chart.GetUnits();
  const double step = DryBulbSpacing(chart).labelStep;
  const double nearest = std::floor(units.Shown(Quantity::Temperature, x) / step);
  for (int k = -1; k <= 2; ++k) {
    const double v = (nearest + k) * step;
    const double t = units.FromShown(Quantity::Temperature, v);
    if (HasNumber(chart, v, t) &&
        Overlap(box, BoxUnderEdge(chart, t, FormatText(kNumberFormat, v)))) {
      return true;
    }
  }
  return false;
}

}  // namespace hygrovia
