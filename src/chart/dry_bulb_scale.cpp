#include "chart/dry_bulb_scale.h"

#include <cmath>
#include <string>

#include "chart/chart_settings.h"
#include "chart/line_family.h"
#include "chart/number_text.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr std::string_view kTitle =
    "       DBT(\xC2\xB0"
    "C)";
constexpr std::string_view kNumberFormat = "%0.0lf";
constexpr double kNumberStep = 5.0;  // °C

// True when the scale shows a number at dry bulb t (°C): a whole degree of the range right of
// TempMin.
bool HasNumber(const ChartSettings& chart, double t) {
  return t > chart.TempMin && t >= std::trunc(static_cast<double>(chart.TempMin)) &&
         t <= std::trunc(static_cast<double>(chart.TempMax));
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
                     kTitle,
                     0.0,
                     true});
}

void DrawDryBulbNumber(ChartSettings& chart, double t) {
  OfferLabel(chart, {LineFamily::DryBulb,
                     {static_cast<float>(t), chart.Surface().MinY},
                     DrawingSurface::kAlignCentre,
                     DrawingSurface::kAlignBelow,
                     kNumberFormat,
                     t});
}

bool CoversDryBulbScale(const ChartSettings& chart, float x, std::string_view text) {
  const TextBox box = BoxUnderEdge(chart, x, text);
  if (Overlap(box, BoxUnderEdge(chart, chart.TempMin, kTitle))) {
    return true;
  }
  // The numbers on either side of x and their neighbours; numbers further away would first
  // overlap each other.
  const double nearest = std::floor(static_cast<double>(x) / kNumberStep);
  for (int k = -1; k <= 2; ++k) {
    const double t = (nearest + k) * kNumberStep;
    if (HasNumber(chart, t) && Overlap(box, BoxUnderEdge(chart, t, FormatText(kNumberFormat, t)))) {
      return true;
    }
  }
  return false;
}

}  // namespace hygrovia
