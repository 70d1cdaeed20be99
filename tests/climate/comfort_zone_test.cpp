#include "climate/comfort_zone.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "climate/hours_summary.h"
#include "psychro/air_state.h"

namespace hygrovia {
namespace {

AirState ChartAir(double pressure = 101.365) {
  AirState air;
  air.Pressure = pressure;
  return air;
}

TEST(ComfortZone, DefaultZonesLieWhereTheStandardDrawsThem) {
  const AirState air = ChartAir();
  ComfortSettings unlimited;
  unlimited.humidityLimit = false;
  const std::vector<ComfortZone> zones = BuildComfortZones(unlimited, air);
  ASSERT_EQ(zones.size(), 2u);
  struct Case {
    std::size_t zone;
    double clothing;
    float moisture;  // about 50 % relative humidity at the zone's middle
    float leftLow, leftHigh, rightLow, rightHigh;
  };
  const Case cases[] = {{0, 0.5, 10.0f, 23.5f, 25.5f, 26.8f, 28.5f},
                        {1, 1.0, 8.0f, 19.5f, 22.0f, 24.0f, 26.0f}};
  for (const Case& c : cases) {
    const ComfortZone& zone = zones[c.zone];
    EXPECT_EQ(zone.clothing, c.clothing);
    const auto row = zone.RowAt(c.moisture);
    ASSERT_TRUE(row) << c.clothing;
    EXPECT_GT(row->left, c.leftLow) << c.clothing;
    EXPECT_LT(row->left, c.leftHigh) << c.clothing;
    EXPECT_GT(row->right, c.rightLow) << c.clothing;
    EXPECT_LT(row->right, c.rightHigh) << c.clothing;
    // The outline closes on the saturation curve: no corner lies above it.
    ASSERT_GE(zone.Outline().size(), 4u);
    for (const PointF p : zone.Outline()) {
      EXPECT_LE(p.y, air.SaturationHumidity(p.x) + 0.01) << p.x << " " << p.y;
    }
    EXPECT_FLOAT_EQ(zone.rows.back().left, zone.rows.back().right);
  }
}

TEST(ComfortZone, HumidityLimitCutsTheTopAndSettingsAreHeld) {
  ComfortSettings settings;
  settings.humidityLimit = true;
  const std::vector<ComfortZone> zones = BuildComfortZones(settings, ChartAir());
  ASSERT_EQ(zones.size(), 2u);
  for (const ComfortZone& zone : zones) {
    EXPECT_FLOAT_EQ(zone.rows.back().moisture, 12.0f);
    EXPECT_LT(zone.rows.back().left, zone.rows.back().right);
  }
  // Out of range and not-a-number settings still give zones, and the same clothing twice
  // gives one zone.
  ComfortSettings odd{std::nan(""), 0.7, 0.7, 50.0, false};
  const std::vector<ComfortZone> held = BuildComfortZones(odd, ChartAir(51.365));
  ASSERT_EQ(held.size(), 1u);
  EXPECT_EQ(held[0].clothing, 0.7);
  EXPECT_EQ(odd.Held().airSpeed, 1.0);
  EXPECT_EQ(odd.Held().metabolicRate, 1.1);
}

TEST(HoursSummary, CountsASyntheticYearByWhereItsHoursLie) {
  ComfortSettings settings;
  settings.humidityLimit = true;
  const std::vector<ComfortZone> zones = BuildComfortZones(settings, ChartAir());
  // 100 hours in the summer zone only, 50 in both, 3000 cold, 2000 hot, 600 muggy.
  std::vector<ChartPoint> hours;
  hours.insert(hours.end(), 100, {26.0f, 9.0f});
  hours.insert(hours.end(), 50, {24.2f, 9.0f});
  hours.insert(hours.end(), 3000, {5.0f, 3.0f});
  hours.insert(hours.end(), 2000, {33.0f, 10.0f});
  hours.insert(hours.end(), 600, {30.0f, 16.0f});
  const HoursSummary s = SummariseHours(hours, zones);
  EXPECT_EQ(s.hours, 5750);
  ASSERT_EQ(s.zones.size(), 2u);
  EXPECT_EQ(s.zones[0].hours, 150);
  EXPECT_EQ(s.zones[1].hours, 50);
  EXPECT_EQ(s.comfortable, 150);
  EXPECT_EQ(s.heating, 3000);
  EXPECT_EQ(s.cooling, 2000);
  EXPECT_EQ(s.humidification, 0);
  EXPECT_EQ(s.dehumidification, 600);
  EXPECT_EQ(s.comfortable + s.heating + s.cooling + s.humidification + s.dehumidification, s.hours);
  const std::vector<std::string> lines = SummaryLines(s);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "Hours in the filter                  5750  100.0 %");
  EXPECT_EQ(lines[1], "Comfortable at 0.5 clo                150    2.6 %");
  EXPECT_EQ(lines[4], "Heating (left of the zone)           3000   52.2 %");
  EXPECT_EQ(SummaryLines(SummariseHours({}, {})),
            std::vector<std::string>{"Hours in the filter                     0    0.0 %"});
}

}  // namespace
}  // namespace hygrovia
