#include "climate/adaptive_comfort.h"

#include <algorithm>
#include <cmath>

namespace hygrovia {
namespace {

// The mean dry bulb of each day and the day of each hour.
struct Days {
  std::vector<double> means;
  std::vector<std::size_t> dayOfHour;
};

Days SplitDays(std::span<const WeatherHour> hours) {
  Days days;
  days.dayOfHour.reserve(hours.size());
  double sum = 0.0;
  int count = 0;
  for (std::size_t i = 0; i < hours.size(); ++i) {
    const WeatherHour& h = hours[i];
    const bool newDay = i == 0 || h.month != hours[i - 1].month || h.day != hours[i - 1].day;
    if (newDay && count > 0) {
      days.means.push_back(sum / count);
      sum = 0.0;
      count = 0;
    }
    sum += h.dryBulb;
    ++count;
    days.dayOfHour.push_back(days.means.size());
  }
  if (count > 0) days.means.push_back(sum / count);
  return days;
}

// The mean of the days before day d, round the end of the file; a file of one day has only
// that day to go by.
double PrevailingMeanOf(const std::vector<double>& means, std::size_t d) {
  const std::size_t n = means.size();
  const std::size_t before = std::min<std::size_t>(kPrevailingDays, n - 1);
  if (before == 0) return means[d];
  double sum = 0.0;
  for (std::size_t k = 1; k <= before; ++k) sum += means[(d + n - k) % n];
  return sum / static_cast<double>(before);
}

}  // namespace

double AdaptiveComfortTemperature(double prevailingMean) {
  return kAdaptiveSlope * prevailingMean + kAdaptiveIntercept;
}

bool AdaptiveModelApplies(double prevailingMean) {
  return prevailingMean >= kLowestPrevailingMean && prevailingMean <= kHighestPrevailingMean;
}

std::vector<float> PrevailingMeans(std::span<const WeatherHour> hours) {
  const Days days = SplitDays(hours);
  std::vector<float> perDay(days.means.size());
  for (std::size_t d = 0; d < perDay.size(); ++d) {
    perDay[d] = static_cast<float>(PrevailingMeanOf(days.means, d));
  }
  std::vector<float> perHour(hours.size());
  for (std::size_t i = 0; i < hours.size(); ++i) perHour[i] = perDay[days.dayOfHour[i]];
  return perHour;
}

AdaptiveCount CountAdaptiveHours(std::span<const WeatherHour> hours,
                                 std::span<const float> prevailing, const HourFilter& filter) {
  AdaptiveCount count;
  const std::size_t n = std::min(hours.size(), prevailing.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (!filter.Passes(hours[i])) continue;
    ++count.hours;
    if (!AdaptiveModelApplies(prevailing[i])) continue;
    ++count.applies;
    const double off = std::abs(hours[i].dryBulb - AdaptiveComfortTemperature(prevailing[i]));
    if (off <= kBand80) ++count.within80;
    if (off <= kBand90) ++count.within90;
  }
  return count;
}

std::optional<AdaptiveBand> MonthBand(std::span<const WeatherHour> hours,
                                      std::span<const float> prevailing, int month) {
  double sum = 0.0;
  int count = 0;
  const std::size_t n = std::min(hours.size(), prevailing.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (hours[i].month != month) continue;
    sum += prevailing[i];
    ++count;
  }
  if (count == 0) return std::nullopt;
  const double mean = sum / count;
  return AdaptiveBand{month, mean, AdaptiveComfortTemperature(mean), AdaptiveModelApplies(mean)};
}

}  // namespace hygrovia
