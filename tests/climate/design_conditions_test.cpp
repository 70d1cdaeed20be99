#include "climate/design_conditions.h"

#include <vector>

#include <gtest/gtest.h>

#include "psychro/air_state.h"

namespace hygrovia {
namespace {

// A year of 8760 hours built from blocks of equal hours, far enough apart (more than the
// coincident band) that each percentile falls inside a block and its coincident hours are
// exactly that block.
struct Block {
  int hours;
  float dryBulb;
  float dewPoint;
};

std::vector<WeatherHour> YearOf(const std::vector<Block>& blocks) {
  std::vector<WeatherHour> year;
  for (const Block& b : blocks) {
    for (int i = 0; i < b.hours; ++i) year.push_back({1, 1, 0, b.dryBulb, b.dewPoint, 50.0f, 0.0f});
  }
  return year;
}

TEST(DesignConditions, PercentilesOfASyntheticYearAreItsBlocks) {
  // Cooling: 0.4 % of 8760 is 35 hours, 1 % 87.6, 2 % 175.2; heating 99.6 % and 99 % leave
  // 35 and 87.6 hours colder. Dew points: 0.4 % within the 26 °C block, 1 % and 2 % within
  // the 22 °C and 20 °C ones.
  const std::vector<Block> blocks = {
      {30, 40.0f, 18.0f},  {50, 35.0f, 22.0f},   {20, 33.0f, 26.0f},   {100, 31.0f, 20.0f},
      {8450, 20.0f, 8.0f}, {50, -18.0f, -25.0f}, {10, -20.0f, -25.0f}, {30, -25.0f, -30.0f},
      {20, 15.0f, 26.0f}};  // the muggy hours that set the 0.4 % dew point with the 33 °C block
  const std::vector<WeatherHour> year = YearOf(blocks);
  ASSERT_EQ(year.size(), 8760u);
  AirState air;
  air.Pressure = 101.325;
  const auto design = FindDesignConditions(year, air);
  ASSERT_TRUE(design);
  EXPECT_EQ(design->hours, 8760);
  struct Case {
    double dryBulb, coolingDewPoint;  // the cooling block and its dew point
    double dewPoint, dewDryBulb;      // the dehumidification dew point, its coincident dry bulb
  };
  const Case cases[] = {
      {35.0, 22.0, 26.0, 24.0}, {33.0, 26.0, 22.0, 35.0}, {31.0, 20.0, 20.0, 31.0}};
  for (std::size_t i = 0; i < 3; ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(design->cooling[i].dryBulb, c.dryBulb) << i;
    EXPECT_EQ(design->dehumidification[i].dewPoint, c.dewPoint) << i;
    EXPECT_DOUBLE_EQ(design->dehumidification[i].meanDryBulb, c.dewDryBulb) << i;
    EXPECT_DOUBLE_EQ(design->dehumidification[i].moisture, air.SaturationHumidity(c.dewPoint));
    // All hours of a block share one wet bulb, which is then the mean, and the mark's moisture
    // has that wet bulb (to the wet bulb's single precision).
    AirState hour = air;
    hour.SetFromHumidity(c.dryBulb, air.SaturationHumidity(c.coolingDewPoint));
    EXPECT_NEAR(design->cooling[i].meanWetBulb, hour.WetBulb, 1e-9) << i;
    EXPECT_NEAR(design->cooling[i].moisture, hour.AbsHumidity, 1e-4) << i;
  }
  EXPECT_EQ(design->heating[0].dryBulb, -20.0);
  EXPECT_EQ(design->heating[1].dryBulb, -18.0);
  EXPECT_FALSE(FindDesignConditions({}, air));
}

}  // namespace
}  // namespace hygrovia
