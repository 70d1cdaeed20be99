#include "model/chart_grid.h"

#include "model/chart_settings.h"

namespace hygrovia {

const ChartGridUnits& GridUnitsOf(const ChartSettings& chart) {
  return GridUnitsOf(chart.GetUnits().System());
}

void UseDefaultRanges(ChartSettings& chart) {
  const ShownRanges& shown = GridUnitsOf(chart).defaults;
  const QuantityText& units = chart.GetUnits();
  const auto si = [&units](Quantity quantity, float value) {
    return static_cast<float>(units.FromShown(quantity, value));
  };
  chart.TempSnap = si(Quantity::TemperatureDifference, shown.tempSnap);
  chart.HumiditySnap = si(Quantity::MoistureDifference, shown.humiditySnap);
  chart.SetRanges(
      si(Quantity::Temperature, shown.tempMin), si(Quantity::Moisture, shown.humidityMin),
      si(Quantity::Temperature, shown.tempMax), si(Quantity::Moisture, shown.humidityMax));
}

LineSpacing DryBulbSpacing(const ChartSettings& chart) {
  const ChartGridUnits& grid = GridUnitsOf(chart);
  const QuantityText& units = chart.GetUnits();
  LineSpacing spacing = grid.dryBulb;
  const double span = units.Shown(Quantity::Temperature, chart.TempMax) -
                      units.Shown(Quantity::Temperature, chart.TempMin);
  if (span > grid.wideDryBulbSpan) spacing.labelStep = grid.wideDryBulbLabelStep;
  return spacing;
}

}  // namespace hygrovia
