#include "units/quantity_text.h"

#include <cmath>
#include <fmt/format.h>

#include "base/number_text.h"

namespace hygrovia {
namespace {

// "°C", "°F", "m³/kg", "ft³/lb" and "m³/s" in UTF-8.
constexpr std::string_view kCelsius =
    "\xC2\xB0"
    "C";
constexpr std::string_view kFahrenheit =
    "\xC2\xB0"
    "F";
constexpr std::string_view kCubicMetresPerKilogram = "m\xC2\xB3/kg";
constexpr std::string_view kCubicFeetPerPound = "ft\xC2\xB3/lb";
constexpr std::string_view kCubicMetresPerSecond = "m\xC2\xB3/s";

// The exact inch-pound factors: SI units per inch-pound unit.
constexpr double kKilopascalsPerPsi = 6.894757293168;
constexpr double kKilopascalsPerInchOfMercury = 3.386389;
constexpr double kKilojoulesPerKilogramPerBtuPerPound = 2.326;
constexpr double kCubicMetresPerKilogramPerCubicFootPerPound = 0.0624279606;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kKilogramsPerPound = 0.45359237;
constexpr double kGrainsPerPound = 7000.0;
constexpr double kGramsPerKilogram = 1000.0;
constexpr double kSecondsPerHour = 3600.0;
constexpr double kSecondsPerMinute = 60.0;
constexpr double kFahrenheitPerKelvin = 1.8;
constexpr double kFahrenheitAtZeroCelsius = 32.0;
// The chart's enthalpy counts from dry air and liquid water at 0 °C, the inch-pound one from
// dry air at 0 °F (-160/9 °C) and liquid water at 32 °F: dry air at 0 °C holds 1.006 × 160/9
// kJ/kg more over the inch-pound datum.
constexpr double kEnthalpyDatumShift = 1.006 * 160.0 / 9.0;  // kJ/kg
// 1 Btu = 2.326 kJ/kg × 0.45359237 kg; 1 ft³ = 0.3048³ m³.
constexpr double kKilojoulesPerBtu = kKilojoulesPerKilogramPerBtuPerPound * kKilogramsPerPound;
constexpr double kCubicMetresPerCubicFoot = kMetresPerFoot * kMetresPerFoot * kMetresPerFoot;

// In the order of Quantity.
constexpr std::array<QuantityUnit, kQuantityCount> kSiUnits{{
    {kCelsius, 2, 1.0, 0.0, {}, 2, "Celcius"},
    {kCelsius, 2},
    {"%", 2},
    {"g/kg", 2},
    {"g/kg", 2},
    {"kPa", 3, 1.0, 0.0, {}, 2},
    {kCubicMetresPerKilogram, 4, 1.0, 0.0, "m3/kg", 4},
    {"kJ/kg", 2},
    {"kJ/kg", 2},
    {"kg/s", 3},
    {"kW", 2},
    {"kg/h", 2},
    {"", 2},
    {"kPa", 3, 1.0, 0.0, {}, 3},
    {"m", 0, 1.0, 0.0, {}, 0},
    {kCubicMetresPerSecond, 3, 1.0, 0.0, {}, 3},
}};

constexpr std::array<QuantityUnit, kQuantityCount> kIpUnits{{
    {kFahrenheit, 2, kFahrenheitPerKelvin, kFahrenheitAtZeroCelsius, {}, 2, "Fahrenheit"},
    {kFahrenheit, 2, kFahrenheitPerKelvin},
    {"%", 2},
    {"gr/lb", 2, kGrainsPerPound / kGramsPerKilogram},
    {"gr/lb", 2, kGrainsPerPound / kGramsPerKilogram},
    {"inHg", 3, 1.0 / kKilopascalsPerInchOfMercury, 0.0, {}, 3},
    {kCubicFeetPerPound, 3, 1.0 / kCubicMetresPerKilogramPerCubicFootPerPound, 0.0, "ft3/lb", 3},
    {"Btu/lb", 2, 1.0 / kKilojoulesPerKilogramPerBtuPerPound,
     kEnthalpyDatumShift / kKilojoulesPerKilogramPerBtuPerPound},
    {"Btu/lb", 2, 1.0 / kKilojoulesPerKilogramPerBtuPerPound},
    {"lb/h", 0, kSecondsPerHour / kKilogramsPerPound, 0.0, {}, 0},
    {"Btu/h", 0, kSecondsPerHour / kKilojoulesPerBtu, 0.0, {}, 0},
    {"lb/h", 2, 1.0 / kKilogramsPerPound},
    {"", 2},
    {"psia", 3, 1.0 / kKilopascalsPerPsi, 0.0, {}, 3},
    {"ft", 0, 1.0 / kMetresPerFoot, 0.0, {}, 0},
    {"cfm", 0, kSecondsPerMinute / kCubicMetresPerCubicFoot, 0.0, {}, 0},
}};

constexpr std::string_view kNoNumber = "-";

}  // namespace

QuantityText QuantityText::Si() { return QuantityText(UnitSystem::Si, kSiUnits); }

QuantityText QuantityText::Ip() { return QuantityText(UnitSystem::Ip, kIpUnits); }

QuantityText QuantityText::Of(UnitSystem system) { return system == UnitSystem::Ip ? Ip() : Si(); }

std::string QuantityText::Number(Quantity quantity, double value) const {
  return Number(quantity, value, UnitOf(quantity).decimals);
}

std::string QuantityText::Number(Quantity quantity, double value, int decimals) const {
  const double shown = Shown(quantity, value);
  if (!std::isfinite(shown)) return std::string(kNoNumber);
  std::string text = fmt::format("{:.{}f}", shown, decimals);
  // A negative value that rounds to zero reads as zero.
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string QuantityText::RowValue(Quantity quantity, double value) const {
  std::string text = fmt::format("{:.{}f}", Shown(quantity, value), UnitOf(quantity).rowDecimals);
  text += RowUnit(quantity);
  return text;
}

std::string_view QuantityText::Unit(Quantity quantity) const { return UnitOf(quantity).unit; }

std::string_view QuantityText::RowUnit(Quantity quantity) const {
  const QuantityUnit& unit = UnitOf(quantity);
  return unit.rowUnit.empty() ? unit.unit : unit.rowUnit;
}

std::string_view QuantityText::Spelled(Quantity quantity) const {
  const QuantityUnit& unit = UnitOf(quantity);
  return unit.spelled.empty() ? unit.unit : unit.spelled;
}

std::string QuantityText::Title(std::string_view name, Quantity quantity) const {
  std::string title(name);
  const std::string_view unit = Unit(quantity);
  if (!unit.empty()) {
    title += " (";
    title += unit;
    title += ')';
  }
  return title;
}

}  // namespace hygrovia
