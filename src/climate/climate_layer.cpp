#include "climate/climate_layer.h"

#include <fmt/format.h>
#include <algorithm>
#include <cmath>
#include <utility>

#include "base/number_text.h"
#include "psychro/air_state.h"
#include "psychro/ashrae_model.h"

namespace hygrovia {
namespace {

// "41.98°N 87.92°W, 201 m"
std::string PlaceText(const WeatherLocation& at, std::string_view elevation) {
  return fmt::format("{:.2f}°{} {:.2f}°{}, {}", std::abs(at.latitude), at.latitude < 0 ? "S" : "N",
                     std::abs(at.longitude), at.longitude < 0 ? "W" : "E", elevation);
}

}  // namespace

void ClimateLayer::SetWeather(WeatherYear year, std::string fileName) {
  year_ = std::move(year);
  fileName_ = std::move(fileName);
  prevailing_ = PrevailingMeans(year_.hours);
  hasWeather_ = true;
  Forget();
}

void ClimateLayer::ClearWeather() {
  year_ = {};
  fileName_.clear();
  prevailing_.clear();
  hasWeather_ = false;
  Forget();
}

void ClimateLayer::SetFilter(const HourFilter& filter) {
  filter_ = {std::clamp(filter.firstMonth, 1, 12), std::clamp(filter.lastMonth, 1, 12),
             std::clamp(filter.firstHour, 0, 24), std::clamp(filter.lastHour, 0, 24)};
  Forget();
}

void ClimateLayer::SetComfort(const ComfortSettings& comfort) {
  comfort_ = comfort.Held();
  Forget();
}

void ClimateLayer::SetCellSize(double width, double height) {
  if (width == cellWidth_ && height == cellHeight_) return;
  cellWidth_ = width;
  cellHeight_ = height;
  Forget();
}

void ClimateLayer::Forget() {
  pointsPressure_ = std::numeric_limits<double>::quiet_NaN();
  zonesPressure_ = std::numeric_limits<double>::quiet_NaN();
  designPressure_ = std::numeric_limits<double>::quiet_NaN();
}

double ClimateLayer::StationPressure() const {
  return ashrae::PressureAtAltitude(year_.location.elevation);
}

void ClimateLayer::Refresh(const AirState& air) const {
  if (pointsPressure_ == air.Pressure) return;
  points_ = HourPoints(year_.hours, filter_, air);
  bins_ = HourBins(points_, cellWidth_, cellHeight_);
  pointsPressure_ = air.Pressure;
}

const std::vector<ChartPoint>& ClimateLayer::Points(const AirState& air) const {
  Refresh(air);
  return points_;
}

const HourBins& ClimateLayer::Bins(const AirState& air) const {
  Refresh(air);
  return bins_;
}

const std::vector<ComfortZone>& ClimateLayer::Zones(const AirState& air) const {
  if (zonesPressure_ != air.Pressure) {
    zones_ = BuildComfortZones(comfort_, air);
    zonesPressure_ = air.Pressure;
  }
  return zones_;
}

HoursSummary ClimateLayer::Summary(const AirState& air) const {
  return SummariseHours(Points(air), Zones(air));
}

const std::optional<DesignConditions>& ClimateLayer::Design(const AirState& air) const {
  if (designPressure_ != air.Pressure) {
    design_ = FindDesignConditions(year_.hours, air);
    designPressure_ = air.Pressure;
  }
  return design_;
}

AdaptiveCount ClimateLayer::Adaptive() const {
  return CountAdaptiveHours(year_.hours, prevailing_, filter_);
}

std::optional<AdaptiveBand> ClimateLayer::Band() const {
  if (adaptiveMonth_ == 0) return std::nullopt;
  return MonthBand(year_.hours, prevailing_, adaptiveMonth_);
}

std::vector<std::string> ClimateLayer::TitleLines(const AirState& air,
                                                  std::string_view elevation) const {
  if (!hasWeather_) return {};
  const int shown = static_cast<int>(Points(air).size());
  // The counts are those of the filter's hours, as the hours drawn are.
  const RowsInFilter rows = CountRows(year_, filter_);
  std::string hours = year_.measured ? fmt::format("{} of {} rows", shown, rows.rows)
                                     : fmt::format("{} of {} hours", shown, rows.rows);
  if (!filter_.IsWholeYear()) hours = filter_.Text() + ": " + hours;
  if (rows.missing > 0) hours += fmt::format(" ({} missing)", rows.missing);
  if (year_.measured) return {"Measured: " + fileName_ + ", " + hours};
  return {"Weather: " + year_.location.name + ", " + PlaceText(year_.location, elevation),
          fileName_ + ", " + hours};
}

std::string ClimateLayer::CellText(const AirState& air, float x, float y) const {
  if (!hasWeather_) return {};
  return fmt::format(" | {} h in cell", Bins(air).CountAt(x, y));
}

}  // namespace hygrovia
