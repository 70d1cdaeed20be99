#include "units/chart_grid_units.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "climate/climate_layer.h"


namespace hygrovia {
namespace {

// The chart's own SI lines.
constexpr ChartGridUnits kSiGrid{
    .dryBulb = {1.0, 5.0, 5.0, true},
    .wideDryBulbSpan = std::numeric_limits<double>::infinity(),
    .wideDryBulbLabelStep = 5.0,
    .dryBulbTitle =
        "       DBT(\xC2\xB0"
        "C)",
    .moisture = {5.0, 5.0, 5.0, false},
    .moistureTitle = " AH",
    .vapourPressure = {0.4, 0.4, 0.4, false},
    .wetBulb = {1.0, 5.0, 0.0, true},
    .enthalpy = {2.0, 10.0, 10.0, true},
    .enthalpyTitle = "Enthalpy (kJ/kg)",
    .volume = {0.025, 0.0, 0.0, true},
    .volumeFromTable = true,
    .defaults = {0.0f, 50.0f, 0.0f, 35.0f, 0.1f, 0.1f},
    .hoursCellWidth = kHoursCellWidth,
    .hoursCellHeight = kHoursCellHeight,
};

// A standard inch-pound chart: every °F, 10 gr/lb, 1 Btu/lb and 0.5 ft³/lb.
constexpr ChartGridUnits kIpGrid{
    .dryBulb = {1.0, 5.0, 5.0, true},
    .wideDryBulbSpan = 50.0,
    .wideDryBulbLabelStep = 10.0,
    .dryBulbTitle =
        "       DBT(\xC2\xB0"
        "F)",
    .moisture = {10.0, 10.0, 20.0, true},
    .moistureTitle = " gr/lb",
    .vapourPressure = {0.1, 0.1, 0.1, true},
    .wetBulb = {1.0, 5.0, 0.0, true},
    .enthalpy = {1.0, 5.0, 5.0, true},
    .enthalpyTitle = "Enthalpy (Btu/lb)",
    .volume = {0.5, 0.0, 0.0, true},
    .volumeFromTable = false,
    .defaults = {30.0f, 120.0f, 0.0f, 200.0f, 0.1f, 0.5f},
    .hoursCellWidth = 2.0f,
    .hoursCellHeight = 10.0f,
};

}  // namespace

float SaturatedFloat(double value) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  return static_cast<float>(std::isnan(value) ? value : std::clamp(value, -kLargest, kLargest));
}

double ShownRangeEnd(const QuantityText& units, Quantity quantity, float end) {
  return SaturatedFloat(units.Shown(quantity, end));
}

double FirstLine(const LineSpacing& spacing, double low) {
  return spacing.aligned ? spacing.step * std::ceil(low / spacing.step) : low;
}

const ChartGridUnits& GridUnitsOf(UnitSystem system) {
  return system == UnitSystem::Ip ? kIpGrid : kSiGrid;
}

}  // namespace hygrovia
