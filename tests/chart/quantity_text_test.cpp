#include "chart/quantity_text.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

TEST(QuantityTextTest, NumbersTitlesAndTypedValuesInSi) {
  const QuantityText si = QuantityText::Si();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    Quantity quantity;
    double value;
    const char* text;
  };
  const Case cases[] = {
      {Quantity::Temperature, 25.0, "25.00"},
      {Quantity::Temperature, -0.004, "0.00"},  // no "-0.00"
      {Quantity::TemperatureDifference, -16.0, "-16.00"},
      {Quantity::VapourPressure, 1.6, "1.600"},
      {Quantity::SpecificVolume, 0.85816, "0.8582"},
      {Quantity::MassFlow, 1.1396968, "1.140"},
      {Quantity::HeatRate, -31.559, "-31.56"},
      {Quantity::Ratio, 0.59589, "0.60"},
      {Quantity::HeatRate, kNaN, "-"},
      {Quantity::Enthalpy, kInf, "-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(si.Number(c.quantity, c.value), c.text);
    if (std::isfinite(c.value)) {
      EXPECT_EQ(si.FromShown(c.quantity, c.value), c.value);
    }
  }
  EXPECT_EQ(si.Title("Dry bulb", Quantity::Temperature),
            "Dry bulb (\xC2\xB0"
            "C)");
  EXPECT_EQ(si.Title("SHR", Quantity::Ratio), "SHR");
  EXPECT_EQ(si.Unit(Quantity::MoistureRate), "kg/h");
}

}  // namespace
}  // namespace hygrovia
