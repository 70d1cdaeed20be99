#include "drawing/model_caption.h"

#include <fmt/format.h>

#include "model/chart_settings.h"
#include "base/number_text.h"
#include "units/quantity_text.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

std::string ValueWithUnit(const QuantityText& units, Quantity quantity, double value) {
  return units.Number(quantity, value) + " " + std::string(units.Unit(quantity));
}

}  // namespace

std::string BarometricPressureText(const QuantityText& units, double pressure) {
  std::string text = ValueWithUnit(units, Quantity::Pressure, pressure);
  // Where barometers read in another unit than the pressure's, that reading stands beside it.
  if (units.Unit(Quantity::Pressure) != units.Unit(Quantity::VapourPressure)) {
    text += " (" + ValueWithUnit(units, Quantity::VapourPressure, pressure) + ")";
  }
  return text;
}

std::string ModelCaption(const ChartSettings& chart) {
  const PropertyModel model = chart.GetPropertyModel();
  if (model == PropertyModel::ChartFormulas) return {};
  return fmt::format("{}, ", PropertyModelName(model)) +
         BarometricPressureText(chart.GetUnits(), chart.GetPressure());
}

void DrawModelCaption(ChartSettings& chart) {
  const std::string caption = chart.Style().Caption(chart);
  if (caption.empty()) return;
  DrawingSurface& surface = chart.Surface();
  surface.DrawText(surface.MaxX, surface.MaxY, caption, DrawingSurface::kAlignEnd,
                   DrawingSurface::kAlignBelow);
}

}  // namespace hygrovia
