#ifndef HYGROVIA_UNITS_QUANTITY_TEXT_H
#define HYGROVIA_UNITS_QUANTITY_TEXT_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace hygrovia {

// The kinds of number the program shows and reads. A difference is a quantity of its own
// because another unit system converts it without the offset of the absolute value (°F
// against °C).
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
  Pressure,               // kPa, barometric
  Altitude,               // m
  VolumeFlow,             // m³/s
};
inline constexpr std::size_t kQuantityCount = 16;

// The unit systems the user can choose: the chart's own SI units, or inch-pound units.
enum class UnitSystem : std::int32_t { Si = 0, Ip = 1 };

// How one quantity is shown: shown = value × factor + offset, with its unit text and
// decimals. The chart's rows write the unit as rowUnit and the number with rowDecimals (the
// data table's precision); spelled names the unit in words where a caption does.
struct QuantityUnit {
  std::string_view unit = {};
  int decimals = 2;
  double factor = 1.0;
  double offset = 0.0;
  std::string_view rowUnit = {};
  int rowDecimals = 2;
  std::string_view spelled = {};
};

// Every quantity the user reads or types turns into text and back here, and only here: the
// read-outs, the dialogs, the command line and the process table all ask the same table, so
// that another unit system is one more table of units, not a change of the code that lays
// out rows. Values come in SI (the units listed with Quantity); numbers are written with a
// full stop. The object is small and copied freely; the chart holds the one in force.
class QuantityText {
 public:
  // The SI units the chart works in.
  static QuantityText Si();
  // Inch-pound units: °F, gr/lb, inHg, ft³/lb, Btu/lb (over dry air at 0 °F and liquid water
  // at 32 °F), psia, ft, lb/h, Btu/h, cfm.
  static QuantityText Ip();
  static QuantityText Of(UnitSystem system);

  UnitSystem System() const { return system_; }

  // The shown number without its unit; "-" for a value that is not a finite number.
  std::string Number(Quantity quantity, double value) const;
  // The same with the given decimals.
  std::string Number(Quantity quantity, double value, int decimals) const;
  // Number and unit as the chart's rows write them, with the rows' decimals ("25.00°C").
  std::string RowValue(Quantity quantity, double value) const;
  // The unit text, such as "°C" or "kg/h"; empty for a pure number.
  std::string_view Unit(Quantity quantity) const;
  // The unit as the chart's rows and captions write it ("m3/kg" where Unit gives "m³/kg").
  std::string_view RowUnit(Quantity quantity) const;
  // The unit in words where a caption names it ("Celcius"), else its text.
  std::string_view Spelled(Quantity quantity) const;
  // A column title: name followed by the unit in brackets ("Dry bulb (°C)").
  std::string Title(std::string_view name, Quantity quantity) const;
  // A value in SI as a shown number, unrounded; without an offset a negative zero stays one,
  // as the chart's own formats print it. Inline: the chart's families ask it for every line.
  double Shown(Quantity quantity, double value) const {
    const QuantityUnit& unit = UnitOf(quantity);
    const double scaled = value * unit.factor;
    return unit.offset == 0.0 ? scaled : scaled + unit.offset;
  }
  // A number typed in the shown unit, back in SI.
  double FromShown(Quantity quantity, double shown) const {
    const QuantityUnit& unit = UnitOf(quantity);
    return (shown - unit.offset) / unit.factor;
  }

 private:
  using Table = std::array<QuantityUnit, kQuantityCount>;
  QuantityText(UnitSystem system, const Table& units) : system_(system), units_(&units) {}
  const QuantityUnit& UnitOf(Quantity quantity) const {
    return (*units_)[static_cast<std::size_t>(quantity)];
  }

  UnitSystem system_;
  const Table* units_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_UNITS_QUANTITY_TEXT_H
