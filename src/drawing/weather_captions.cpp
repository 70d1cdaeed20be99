#include "drawing/weather_captions.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>
#include <fmt/format.h>

#include "base/chart_limits.h"
#include "base/number_text.h"
#include "climate/comfort_zone.h"
#include "model/chart_settings.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

constexpr double kWideningStep = 5.0;

// 1788 as "1,788".
std::string Thousands(int n) {
  std::string digits = fmt::format("{}", std::abs(n));
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), ",");
  }
  return n < 0 ? "-" + digits : digits;
}

// "1,788 hours below 0 °C", in the chart's units.
std::string Part(const ChartSettings& chart, int hours, const char* side, Quantity quantity,
                 float end) {
  const QuantityText& units = chart.GetUnits();
  return Thousands(hours) + (hours == 1 ? " hour " : " hours ") + side + " " +
         fmt::format("{:.6g}", std::round(10.0 * units.Shown(quantity, end)) / 10.0) + " " +
         std::string(units.Unit(quantity));
}

}  // namespace

HoursOutside CountHoursOutside(const ChartSettings& chart) {
  HoursOutside out;
  const ClimateLayer& layer = chart.Climate;
  if (!layer.HasWeather()) return out;
  const std::vector<ChartPoint>& points = layer.Points(chart.CursorState());
  out.total = static_cast<int>(points.size());
  out.tMin = chart.TempMin;
  out.tMax = chart.TempMax;
  out.hMin = chart.HumidityMin;
  out.hMax = chart.HumidityMax;
  for (const ChartPoint p : points) {
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) continue;
    out.tMin = std::min(out.tMin, p.X);
    out.tMax = std::max(out.tMax, p.X);
    out.hMin = std::min(out.hMin, p.Y);
    out.hMax = std::max(out.hMax, p.Y);
    if (p.X < chart.TempMin) {
      ++out.belowTemp;
    } else if (p.X > chart.TempMax) {
      ++out.aboveTemp;
    } else if (p.Y > chart.HumidityMax) {
      ++out.aboveMoisture;
    } else if (p.Y < chart.HumidityMin) {
      ++out.belowMoisture;
    }
  }
  return out;
}

std::string HoursOutsideCaption(const ChartSettings& chart) {
  const HoursOutside out = CountHoursOutside(chart);
  std::vector<std::string> parts;
  if (out.belowTemp > 0) {
    parts.push_back(Part(chart, out.belowTemp, "below", Quantity::Temperature, chart.TempMin));
  }
  if (out.aboveTemp > 0) {
    parts.push_back(Part(chart, out.aboveTemp, "above", Quantity::Temperature, chart.TempMax));
  }
  if (out.aboveMoisture > 0) {
    parts.push_back(Part(chart, out.aboveMoisture, "above", Quantity::Moisture, chart.HumidityMax));
  }
  if (out.belowMoisture > 0) {
    parts.push_back(Part(chart, out.belowMoisture, "below", Quantity::Moisture, chart.HumidityMin));
  }
  if (parts.empty()) return {};
  std::string text = parts.front();
  for (std::size_t i = 1; i < parts.size(); ++i) {
    text += (i + 1 == parts.size() ? " and " : ", ") + parts[i];
  }
  return text + (out.Count() == 1 ? " is not shown" : " are not shown");
}

bool WorthWidening(const HoursOutside& outside) {
  return outside.total > 0 && 10 * outside.Count() > outside.total;
}

void WidenRanges(ChartSettings& chart, const HoursOutside& outside) {
  const auto down = [](float v) {
    return static_cast<float>(kWideningStep * std::floor(v / kWideningStep));
  };
  const auto up = [](float v) {
    return static_cast<float>(kWideningStep * std::ceil(v / kWideningStep));
  };
  chart.SetRanges(down(outside.tMin), std::max(0.0f, down(outside.hMin)),
                  std::min(kHighestTemperature, up(outside.tMax)), up(outside.hMax));
}

std::string ComfortSettingsCaption(const ChartSettings& chart) {
  const ComfortSettings& comfort = chart.Climate.Comfort();
  const QuantityText& units = chart.GetUnits();
  const std::string limit = comfort.humidityLimit
                                ? "humidity limit " +
                                      units.Number(Quantity::Moisture, kComfortHumidityLimit, 0) +
                                      " " + std::string(units.Unit(Quantity::Moisture))
                                : std::string("no humidity limit");
  return fmt::format("Comfort: {:.1f} met, air {:.2f} m/s, ", comfort.metabolicRate,
                    comfort.airSpeed) +
         limit;
}

}  // namespace hygrovia
