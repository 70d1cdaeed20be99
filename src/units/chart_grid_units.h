#ifndef HYGROVIA_UNITS_CHART_GRID_UNITS_H
#define HYGROVIA_UNITS_CHART_GRID_UNITS_H

#include <cmath>
#include <string_view>

#include "units/quantity_text.h"

namespace hygrovia {

// How one family of lines is spaced, in the shown unit: a line every step, solid every
// solidStep, numbered every labelStep (every line when it equals step). aligned starts the
// family at a multiple of step; otherwise it starts at the low end of the range.
struct LineSpacing {
  double step = 1.0;
  double solidStep = 1.0;
  double labelStep = 1.0;
  bool aligned = true;
};

// The first line of the family at or above low (shown unit): low itself, or the next multiple
// of the step when the family is aligned.
double FirstLine(const LineSpacing& spacing, double low);

// Whether the line at value (shown unit) is solid, and whether it is numbered; inline, as every
// line of a family asks.
inline bool IsSolidLine(const LineSpacing& spacing, double value) {
  if (spacing.solidStep <= 0.0) return false;
  return spacing.solidStep == spacing.step || std::fmod(value, spacing.solidStep) == 0.0;
}
inline bool IsLabelledLine(const LineSpacing& spacing, double value) {
  if (spacing.labelStep <= 0.0) return false;
  return spacing.labelStep == spacing.step || std::fmod(value, spacing.labelStep) == 0.0;
}

// True when value is a whole multiple of step, as near as steps of a hundredth can be: for
// steps that are no binary fractions, where fmod of a multiple is seldom exactly 0.
inline bool IsNearMultiple(double value, double step) {
  if (!(step > 0.0)) return false;
  const double steps = value / step;
  return std::abs(steps - std::round(steps)) < 1e-6;
}

// Both at once, at the cost of one test where the labelled lines are the solid ones.
struct LineMarks {
  bool solid;
  bool labelled;
};
inline LineMarks MarksOf(const LineSpacing& spacing, double value) {
  const bool solid = IsSolidLine(spacing, value);
  if (spacing.labelStep == spacing.solidStep) return {solid, solid};
  return {solid, IsLabelledLine(spacing, value)};
}

// The chart's ranges and snap steps in the shown unit.
struct ShownRanges {
  float tempMin;
  float tempMax;
  float humidityMin;
  float humidityMax;
  float tempSnap;
  float humiditySnap;
};

// Which lines the chart draws in a unit system, and how it names and numbers them. The families
// draw in the chart's SI world coordinates; they ask this table where their lines fall (in the
// shown unit, turned into SI by the chart's QuantityText) and what their labels say.
struct ChartGridUnits {
  LineSpacing dryBulb;
  // Dry-bulb numbers spread further apart once the range spans more than wideDryBulbSpan.
  double wideDryBulbSpan;
  double wideDryBulbLabelStep;
  std::string_view dryBulbTitle;
  LineSpacing moisture;
  std::string_view moistureTitle;
  LineSpacing vapourPressure;
  LineSpacing wetBulb;
  LineSpacing enthalpy;
  std::string_view enthalpyTitle;
  LineSpacing volume;
  // The chart formulas draw the SI volume lines from their fixed table rather than every step.
  bool volumeFromTable;
  // A new chart in this system.
  ShownRanges defaults;
  // The weather's density cells, shown dry-bulb and moisture differences.
  float hoursCellWidth;
  float hoursCellHeight;
};

// A range end (SI, as the chart stores it) in the shown unit, to the chart's float precision,
// so that 30 °F stored as -1.1111112 °C shows as 30 again; beyond the float range, the largest
// float of its sign.
double ShownRangeEnd(const QuantityText& units, Quantity quantity, float end);
// value as a float, the largest float of its sign beyond the float range.
float SaturatedFloat(double value);

const ChartGridUnits& GridUnitsOf(UnitSystem system);
}  // namespace hygrovia

#endif  // HYGROVIA_UNITS_CHART_GRID_UNITS_H
