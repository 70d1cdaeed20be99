#include "climate/weather_hours.h"

#include <algorithm>
#include <array>
#include <fmt/format.h>

#include "base/chart_limits.h"
#include "base/number_text.h"
#include "psychro/air_state.h"

namespace hygrovia {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// True when value lies in first..last, both included, or outside last..first when the
// range turns round (last before first).
bool InRoundRange(int value, int first, int last) {
  return first <= last ? value >= first && value <= last : value >= first || value <= last;
}

}  // namespace

bool HourFilter::Passes(const WeatherHour& h) const {
  if (!InRoundRange(h.month, firstMonth, lastMonth)) return false;
  if (firstHour == lastHour) return false;
  // The time of day runs up to lastHour:00, so the last hour that counts starts an hour before.
  const int lastStart = lastHour == 0 ? 23 : lastHour - 1;
  return InRoundRange(h.hour, firstHour % 24, lastStart);
}

bool HourFilter::IsWholeYear() const {
  const bool allMonths = firstMonth == 1 && lastMonth == 12;
  const bool allDay = firstHour == 0 && lastHour == 24;
  return allMonths && allDay;
}

std::string HourFilter::Text() const {
  const auto month = [](int m) {
    return std::string(kMonthNames[static_cast<std::size_t>(std::clamp(m, 1, 12) - 1)]);
  };
  std::string text;
  if (firstMonth != 1 || lastMonth != 12) {
    text = firstMonth == lastMonth ? month(firstMonth) : month(firstMonth) + "-" + month(lastMonth);
  }
  if (firstHour != 0 || lastHour != 24) {
    if (!text.empty()) text += ' ';
    text += fmt::format("{}:00-{}:00", firstHour, lastHour);
  }
  return text;
}

std::vector<ChartPoint> HourPoints(std::span<const WeatherHour> hours, const HourFilter& filter,
                                   const AirState& air) {
  std::vector<ChartPoint> points;
  points.reserve(hours.size());
  for (const WeatherHour& h : hours) {
    if (!filter.Passes(h)) continue;
    const double saturation = air.SaturationHumidity(h.dryBulb);
    const double moisture = std::min(air.SaturationHumidity(h.dewPoint), saturation);
    points.push_back({h.dryBulb, static_cast<float>(std::min<double>(moisture, kCoordinateLimit))});
  }
  return points;
}

}  // namespace hygrovia
