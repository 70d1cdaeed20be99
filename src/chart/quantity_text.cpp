#include "chart/quantity_text.h"

#include <cmath>

#include "chart/number_text.h"

namespace hygrovia {
namespace {

// "°C" and "m³/kg" in UTF-8.
constexpr std::string_view kCelsius =
    "\xC2\xB0"
    "C";
constexpr std::string_view kCubicMetresPerKilogram = "m\xC2\xB3/kg";

// In the order of Quantity.
constexpr std::array<QuantityUnit, kQuantityCount> kSiUnits{{
    {kCelsius, 2},
    {kCelsius, 2},
    {"%", 2},
    {"g/kg", 2},
    {"g/kg", 2},
    {"kPa", 3},
    {kCubicMetresPerKilogram, 4},
    {"kJ/kg", 2},
    {"kJ/kg", 2},
    {"kg/s", 3},
    {"kW", 2},
    {"kg/h", 2},
    {"", 2},
}};

constexpr std::string_view kNoNumber = "-";

}  // namespace

QuantityText QuantityText::Si() { return QuantityText(kSiUnits); }

const QuantityUnit& QuantityText::UnitOf(Quantity quantity) const {
  return units_[static_cast<std::size_t>(quantity)];
}

std::string QuantityText::Number(Quantity quantity, double value) const {
  const QuantityUnit& unit = UnitOf(quantity);
  const double shown = value * unit.factor + unit.offset;
  if (!std::isfinite(shown)) return std::string(kNoNumber);
  std::string text = FormatText("%.*f", unit.decimals, shown);
  // A negative value that rounds to zero reads as zero.
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string_view QuantityText::Unit(Quantity quantity) const { return UnitOf(quantity).unit; }

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

double QuantityText::FromShown(Quantity quantity, double shown) const {
  const QuantityUnit& unit = UnitOf(quantity);
  return (shown - unit.offset) / unit.factor;
}

}  // namespace hygrovia
