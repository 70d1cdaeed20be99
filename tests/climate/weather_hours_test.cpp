#include "climate/weather_hours.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

#include "climate/hour_bins.h"
#include "psychro/air_state.h"

namespace hygrovia {
namespace {

// Every hour of a 365-day year, the dry bulb running through -20 to 40 °C and the dew
// point 3 to 15 °C below it.
std::vector<WeatherHour> SyntheticYear() {
  const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<WeatherHour> hours;
  int n = 0;
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= days[m - 1]; ++d) {
      for (int h = 0; h < 24; ++h, ++n) {
        const float t = -20.0f + static_cast<float>(n % 601) * 0.1f;
        hours.push_back({static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(d),
                         static_cast<std::uint8_t>(h), t, t - 3.0f - static_cast<float>(n % 13),
                         50.0f, 100000.0f});
      }
    }
  }
  return hours;
}

AirState ChartAir(double pressure = 101.365) {
  AirState air;
  air.Pressure = pressure;
  return air;
}

TEST(HourFilter, PassesTheMonthsAndTimesOfDayAsked) {
  struct Case {
    HourFilter filter;
    int hours;
    const char* text;
  };
  const Case cases[] = {
      {{}, 8760, ""},
      {{6, 8, 0, 24}, 92 * 24, "Jun-Aug"},
      {{6, 8, 8, 18}, 92 * 10, "Jun-Aug 8:00-18:00"},
      {{12, 2, 0, 24}, 90 * 24, "Dec-Feb"},
      {{1, 12, 22, 6}, 365 * 8, "22:00-6:00"},
      {{3, 3, 12, 13}, 31, "Mar 12:00-13:00"},
      {{1, 12, 8, 8}, 0, "8:00-8:00"},
      {{1, 12, 0, 0}, 0, "0:00-0:00"},
  };
  const std::vector<WeatherHour> year = SyntheticYear();
  for (const Case& c : cases) {
    const int passed = static_cast<int>(std::count_if(
        year.begin(), year.end(), [&](const WeatherHour& h) { return c.filter.Passes(h); }));
    EXPECT_EQ(passed, c.hours) << c.text;
    EXPECT_EQ(c.filter.Text(), c.text);
  }
}

TEST(HourPoints, SitOnTheChartAtItsPressureAndAddUpInTheBins) {
  const std::vector<WeatherHour> year = SyntheticYear();
  for (const double pressure : {51.365, 101.365, 131.365}) {
    const AirState air = ChartAir(pressure);
    const std::vector<ChartPoint> points = HourPoints(year, HourFilter{}, air);
    ASSERT_EQ(points.size(), year.size());
    for (std::size_t i = 0; i < points.size(); i += 97) {
      EXPECT_EQ(points[i].X, year[i].dryBulb);
      EXPECT_NEAR(points[i].Y, air.SaturationHumidity(year[i].dewPoint), 1e-4);
      EXPECT_LE(points[i].Y, air.SaturationHumidity(year[i].dryBulb) + 1e-4);
    }
    // Binning loses no hour, and every hour lands in the cell that holds it.
    for (const float cell : {1.0f, 1.1111f, 0.0f}) {
      const HourBins bins(points, cell, cell * 1.5f);
      EXPECT_EQ(bins.Total(), static_cast<int>(points.size()));
      int sum = 0;
      int largest = 0;
      bins.ForEachCell([&](float left, float bottom, int count) {
        EXPECT_EQ(bins.CountAt(left + 0.25f * bins.CellWidth(), bottom + 0.25f * bins.CellHeight()),
                  count);
        sum += count;
        largest = std::max(largest, count);
      });
      EXPECT_EQ(sum, bins.Total());
      EXPECT_EQ(largest, bins.Largest());
    }
  }
  // A dew point above the dry bulb (a rounding in the file) stays on the saturation curve.
  const WeatherHour wet{7, 1, 0, 20.0f, 20.4f, 100.0f, 100000.0f};
  const AirState air = ChartAir();
  EXPECT_FLOAT_EQ(HourPoints(std::span(&wet, 1), {}, air)[0].Y,
                  static_cast<float>(air.SaturationHumidity(20.0)));
}

TEST(HourBins, CountsCellsOfTheGridAndNothingOutsideItsReach) {
  const std::vector<ChartPoint> points = {{0.5f, 0.5f}, {0.9f, 0.1f}, {-0.5f, 0.5f},
                                          {25.f, 10.f}, {1e9f, 5.f},  {std::nanf(""), 1.f},
                                          {1.f, -1e9f}};
  const HourBins bins(points, 1.0f, 1.0f);
  EXPECT_EQ(bins.Total(), 4);
  EXPECT_EQ(bins.Largest(), 2);
  EXPECT_EQ(bins.CountAt(0.0f, 0.0f), 2);
  EXPECT_EQ(bins.CountAt(-0.01f, 0.99f), 1);
  EXPECT_EQ(bins.CountAt(25.99f, 10.0f), 1);
  EXPECT_EQ(bins.CountAt(26.0f, 10.0f), 0);
  EXPECT_EQ(bins.CountAt(1e9f, 5.0f), 0);
  EXPECT_EQ(HourBins({}, 1.0f, 1.0f).Total(), 0);
}

// Regression: in single precision 30 °C (86 °F) and 50 °C (122 °F) fell a 2 °F cell left,
// floor(30.0f / 1.1111112f) being 26.
TEST(HourBins, HoursOnAnEdgeOfInchPoundCellsStartTheirCell) {
  const double twoFahrenheit = 2.0 / 1.8;
  const double tenGrains = 10.0 / 7.0;
  for (const float celsius : {-10.0f, 0.0f, 10.0f, 30.0f, 50.0f}) {
    const ChartPoint p{celsius, 5.0f};
    const HourBins bins(std::span(&p, 1), twoFahrenheit, tenGrains);
    bins.ForEachCell([&](float left, float, int) {
      EXPECT_NEAR(left * 1.8 + 32.0, celsius * 1.8 + 32.0, 1e-3) << celsius;
    });
  }
}

}  // namespace
}  // namespace hygrovia
