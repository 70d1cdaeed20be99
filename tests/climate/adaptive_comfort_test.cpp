#include "climate/adaptive_comfort.h"

#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

// A year of 365 days of 24 hours: hour h of day d at dryBulb(d, h).
std::vector<WeatherHour> YearOf(const std::function<float(int, int)>& dryBulb) {
  constexpr int kDaysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<WeatherHour> year;
  int day = 0;
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= kDaysIn[m - 1]; ++d, ++day) {
      for (int h = 0; h < 24; ++h) {
        year.push_back({static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(d),
                        static_cast<std::uint8_t>(h), dryBulb(day, h), 0.0f, 50.0f, 0.0f});
      }
    }
  }
  return year;
}

TEST(AdaptiveComfort, PrevailingMeanIsTheMeanOfTheSevenDaysBefore) {
  // Each day as warm as its number: from the eighth day on, the days before average d − 4;
  // the first days take the year's last ones.
  const std::vector<WeatherHour> year = YearOf([](int d, int) { return static_cast<float>(d); });
  const std::vector<float> prevailing = PrevailingMeans(year);
  ASSERT_EQ(prevailing.size(), year.size());
  const struct {
    int day;
    double mean;
  } cases[] = {{0, 361.0}, {3, (361 + 362 + 363 + 364 + 0 + 1 + 2) / 7.0}, {7, 3.0}, {100, 96.0}};
  for (const auto& c : cases) {
    for (const int h : {0, 23}) {
      EXPECT_FLOAT_EQ(prevailing[static_cast<std::size_t>(c.day * 24 + h)],
                      static_cast<float>(c.mean))
          << c.day;
    }
  }
}

TEST(AdaptiveComfort, HoursWithinTheBandsOfSyntheticYears) {
  // Days of mean m whose hours swing in pairs m ± 4 (six pairs) and m ± 1 (six pairs). At
  // m = 20 °C the comfort temperature is 24 °C: 24 lies in both bands, 21 only in the 80 %
  // one, 16 and 19 in neither. Below 10 and above 33.5 °C the model does not apply.
  struct Case {
    float mean;
    int applies, within80, within90;
    double comfort;
  };
  const Case cases[] = {
      {20.0f, 8760, 365 * 12, 365 * 6, 24.0}, {9.5f, 0, 0, 0, 20.745}, {33.6f, 0, 0, 0, 28.216}};
  for (const Case& c : cases) {
    const std::vector<WeatherHour> year = YearOf([&c](int, int h) {
      const float swing = h < 12 ? 4.0f : 1.0f;
      return h % 2 == 0 ? c.mean + swing : c.mean - swing;
    });
    const std::vector<float> prevailing = PrevailingMeans(year);
    const AdaptiveCount count = CountAdaptiveHours(year, prevailing, HourFilter{});
    EXPECT_EQ(count.hours, 8760);
    EXPECT_EQ(count.applies, c.applies) << c.mean;
    EXPECT_EQ(count.within80, c.within80) << c.mean;
    EXPECT_EQ(count.within90, c.within90) << c.mean;
    const auto band = MonthBand(year, prevailing, 7);
    ASSERT_TRUE(band);
    EXPECT_NEAR(band->comfort, c.comfort, 1e-5);
    EXPECT_EQ(band->applies, c.applies > 0);
    // The filter counts only its hours: January alone.
    EXPECT_EQ(CountAdaptiveHours(year, prevailing, {1, 1, 0, 24}).hours, 31 * 24);
  }
}

}  // namespace
}  // namespace hygrovia
