#include "units/quantity_text.h"

#include <algorithm>
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

namespace hygrovia {
namespace {

// One SI value and the inch-pound number it is, by the exact factors.
struct Conversion {
  Quantity quantity;
  double si;
  double ip;
};

TEST(QuantityTextTest, InchPoundConversionsBothWaysWithExactFactors) {
  constexpr double kDatum = 1.006 * 160.0 / 9.0;           // kJ/kg over 0 °F dry air
  constexpr double kBtu = 2.326 * 0.45359237;              // kJ
  constexpr double kCubicFoot = 0.3048 * 0.3048 * 0.3048;  // m³
  const Conversion cases[] = {
      {Quantity::Temperature, 25.0, 77.0},
      {Quantity::Temperature, -40.0, -40.0},
      {Quantity::Temperature, 0.0, 32.0},
      {Quantity::TemperatureDifference, 10.0, 18.0},
      {Quantity::RelativeHumidity, 50.0, 50.0},
      {Quantity::Moisture, 10.0, 70.0},
      {Quantity::MoistureDifference, -1.0, -7.0},
      {Quantity::VapourPressure, 3.386389, 1.0},
      {Quantity::SpecificVolume, 0.0624279606, 1.0},
      {Quantity::Enthalpy, -kDatum, 0.0},
      {Quantity::Enthalpy, 2.326 * 29.3 - kDatum, 29.3},
      {Quantity::EnthalpyDifference, 2.326, 1.0},
      {Quantity::MassFlow, 0.45359237 / 3600.0, 1.0},
      {Quantity::HeatRate, 12000.0 * kBtu / 3600.0, 12000.0},
      {Quantity::MoistureRate, 0.45359237, 1.0},
      {Quantity::Ratio, 0.6, 0.6},
      {Quantity::Pressure, 6.894757293168 * 14.696, 14.696},
      {Quantity::Altitude, 0.3048 * 5280.0, 5280.0},
      {Quantity::VolumeFlow, kCubicFoot * 1000.0 / 60.0, 1000.0},
  };
  const QuantityText ip = QuantityText::Ip();
  const QuantityText si = QuantityText::Si();
  for (const Conversion& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.quantity));
    const double tolerance = 1e-12 * std::max(1.0, std::abs(c.ip));
    EXPECT_NEAR(ip.Shown(c.quantity, c.si), c.ip, tolerance);
    EXPECT_NEAR(ip.FromShown(c.quantity, c.ip), c.si, 1e-12 * std::max(1.0, std::abs(c.si)));
    // SI shows its own values unchanged, a negative zero included.
    EXPECT_EQ(si.Shown(c.quantity, c.si), c.si);
    EXPECT_EQ(si.FromShown(c.quantity, c.si), c.si);
  }
  EXPECT_TRUE(std::signbit(si.Shown(Quantity::Temperature, -0.0)));
}

TEST(QuantityTextTest, InchPoundTextsAndRows) {
  const QuantityText ip = QuantityText::Of(UnitSystem::Ip);
  EXPECT_EQ(ip.System(), UnitSystem::Ip);
  EXPECT_EQ(QuantityText::Of(UnitSystem::Si).System(), UnitSystem::Si);
  struct Case {
    Quantity quantity;
    double si;
    const char* number;
    const char* row;
  };
  const Case cases[] = {
      {Quantity::Temperature, 25.0, "77.00",
       "77.00\xC2\xB0"
       "F"},
      {Quantity::Moisture, 9.8814, "69.17", "69.17gr/lb"},
      {Quantity::VapourPressure, 1.5854, "0.468", "0.468inHg"},
      {Quantity::SpecificVolume, 0.858, "13.744", "13.744ft3/lb"},
      {Quantity::HeatRate, -1.0, "-3412", "-3412Btu/h"},
      {Quantity::Pressure, 101.325, "14.696", "14.696psia"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ip.Number(c.quantity, c.si), c.number);
    EXPECT_EQ(ip.RowValue(c.quantity, c.si), c.row);
  }
  EXPECT_EQ(ip.Title("Specific volume", Quantity::SpecificVolume),
            "Specific volume (ft\xC2\xB3/lb)");
  EXPECT_EQ(ip.Spelled(Quantity::Temperature), "Fahrenheit");
  EXPECT_EQ(QuantityText::Si().RowValue(Quantity::SpecificVolume, 0.85816), "0.8582m3/kg");
}

}  // namespace
}  // namespace hygrovia
