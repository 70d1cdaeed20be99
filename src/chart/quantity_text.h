#ifndef HYGROVIA_CHART_QUANTITY_TEXT_H
#define HYGROVIA_CHART_QUANTITY_TEXT_H

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace hygrovia {

// The kinds of number the process table shows. A difference is a quantity of its own because
// another unit system converts it without the offset of the absolute value (°F against °C).
enum class Quantity {
  Temperature,            // °C
  TemperatureDifference,  // K, shown as °C
  RelativeHumidity,       // %
  Moisture,               // g/kg of dry air
  MoistureDifference,     // g/kg of dry air
  VapourPressure,         // kPa
  SpecificVolume,         // m³/kg of dry air
  Enthalpy,               // kJ/kg of dry air
  EnthalpyDifference,     // kJ/kg of dry air
  MassFlow,               // kg/s of dry air
  HeatRate,               // kW
  MoistureRate,           // kg/h of water
  Ratio,                  // a pure number (sensible heat ratio)
};
inline constexpr std::size_t kQuantityCount = 13;

// How one quantity is shown: shown = value × factor + offset, with its unit text and decimals.
struct QuantityUnit {
  std::string_view unit;
  int decimals = 2;
  double factor = 1.0;
  double offset = 0.0;
};

// Every quantity of the process table turns into text here, and only here, so that another
// unit system is one more table of units, not a change of the code that lays out the rows.
// Values come in SI (the units listed with Quantity); numbers are written with a full stop.
class QuantityText {
 public:
  // The SI units the chart works in.
  static QuantityText Si();

  // The shown number without its unit; "-" for a value that is not a finite number.
  std::string Number(Quantity quantity, double value) const;
  // The unit text, such as "°C" or "kg/h"; empty for a pure number.
  std::string_view Unit(Quantity quantity) const;
  // A column title: name followed by the unit in brackets ("Dry bulb (°C)").
  std::string Title(std::string_view name, Quantity quantity) const;
  // A number typed in the shown unit, back in SI.
  double FromShown(Quantity quantity, double shown) const;

 private:
  explicit QuantityText(const std::array<QuantityUnit, kQuantityCount>& units) : units_(units) {}
  const QuantityUnit& UnitOf(Quantity quantity) const;

  std::array<QuantityUnit, kQuantityCount> units_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_CHART_QUANTITY_TEXT_H
