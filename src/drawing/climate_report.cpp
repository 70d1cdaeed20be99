#include "drawing/climate_report.h"

#include <fmt/format.h>
#include <cmath>
#include <string>

#include "base/number_text.h"
#include "climate/climate_layer.h"
#include "drawing/model_caption.h"
#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

// Pressures this close (kPa) are the same one as shown.
constexpr double kSamePressure = 0.0005;

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

std::string Value(const QuantityText& units, Quantity quantity, double value, int decimals) {
  return units.Number(quantity, value, decimals) + " " + std::string(units.Unit(quantity));
}

// Each line fits a row of the chart's caption (kRowLength characters).
std::string ComfortLine(const ComfortSettings& c, const QuantityText& units) {
  const std::string limit = c.humidityLimit
                                ? "limit " + Value(units, Quantity::Moisture, c.moistureLimit, 1)
                                : "no humidity limit";
  return fmt::format("Comfort: {:.2f} met, clo {:.2f} summer {:.2f} winter, {:.2f} m/s, ",
                     c.metabolicRate, c.summerClothing, c.winterClothing, c.airSpeed) +
         limit;
}

std::vector<std::string> PressureLines(const ChartSettings& chart) {
  const ClimateLayer& layer = chart.Climate;
  const QuantityText& units = chart.GetUnits();
  const double pressure = chart.CursorState().Pressure;
  const double station = layer.StationPressure();
  const std::string at = "Moisture at " + BarometricPressureText(units, pressure);
  const std::string elevation =
      Value(units, Quantity::Altitude, layer.Year().location.elevation, 0);
  if (std::abs(pressure - station) < kSamePressure) {
    return {at + ", the station's pressure (" + elevation + ")"};
  }
  return {at + ", the chart's pressure",
          "The station's pressure (" + elevation + "): " + BarometricPressureText(units, station)};
}

std::string BandLine(const AdaptiveBand& band, const QuantityText& units) {
  const std::string month = kMonthNames[band.month - 1];
  const auto t = [&](double v) { return Value(units, Quantity::Temperature, v, 1); };
  const auto range = [&](double half) {
    return units.Number(Quantity::Temperature, band.comfort - half, 1) + " to " +
           t(band.comfort + half);
  };
  const std::string start = "Adaptive, " + month + ": t_pma " + t(band.prevailingMean);
  if (!band.applies)
    return start +
           ", outside the model's 10 to 33.5 \xC2\xB0"
           "C";
  return start + ", 80 % " + range(kBand80) + ", 90 % " + range(kBand90);
}

std::string CountLine(std::string_view what, int count, int total) {
  const double share = total > 0 ? 100.0 * count / total : 0.0;
  return fmt::format("{:<34} {:6} {:6.1f} %", std::string(what), count, share);
}

}  // namespace

std::vector<std::string> WeatherTitleLines(const ChartSettings& chart) {
  const QuantityText& units = chart.GetUnits();
  const double elevation = chart.Climate.Year().location.elevation;
  return chart.Climate.TitleLines(chart.CursorState(),
                                  units.Number(Quantity::Altitude, elevation, 0) + " " +
                                      std::string(units.Unit(Quantity::Altitude)));
}

std::vector<std::string> ClimateSettingsLines(const ChartSettings& chart) {
  const ClimateLayer& layer = chart.Climate;
  if (!layer.HasWeather()) return {};
  const QuantityText& units = chart.GetUnits();
  std::vector<std::string> lines{ComfortLine(layer.Comfort(), units)};
  for (std::string& line : PressureLines(chart)) lines.push_back(std::move(line));
  if (const auto band = layer.Band()) lines.push_back(BandLine(*band, units));
  if (layer.ShowsDesign() && layer.Design(chart.CursorState())) {
    lines.push_back("Design marks (this file): C cooling, D dehumidification, H heating, at %");
  }
  return lines;
}

std::vector<std::string> AdaptiveLines(const ChartSettings& chart) {
  const AdaptiveCount count = chart.Climate.Adaptive();
  return {fmt::format("Adaptive comfort of outdoor air: 0.31 t_pma + 17.8 \xC2\xB0"
                      "C, t_pma the mean of the %d days before",
                      kPrevailingDays),
          CountLine("Within the adaptive 80 % band", count.within80, count.hours),
          CountLine("Within the adaptive 90 % band", count.within90, count.hours),
          CountLine("Adaptive model does not apply", count.hours - count.applies, count.hours)};
}

std::vector<std::string> DesignLines(const ChartSettings& chart) {
  const ClimateLayer& layer = chart.Climate;
  const auto& design = layer.Design(chart.CursorState());
  if (!design) return {};
  const QuantityText& units = chart.GetUnits();
  const auto t = [&](double v) { return Value(units, Quantity::Temperature, v, 1); };
  std::vector<std::string> lines{FormatText(
      "Design conditions from the %d hours of this one file (not a long record):", design->hours)};
  for (const CoolingCondition& c : design->cooling) {
    lines.push_back(fmt::format("  Cooling {:.1f} %: dry bulb ", c.percent) + t(c.dryBulb) +
                    ", mean coincident wet bulb " + t(c.meanWetBulb));
  }
  for (const DehumidificationCondition& d : design->dehumidification) {
    lines.push_back(fmt::format("  Dehumidification {:.1f} %: dew point ", d.percent) +
                    t(d.dewPoint) + ", " + Value(units, Quantity::Moisture, d.moisture, 1) +
                    ", mean coincident dry bulb " + t(d.meanDryBulb));
  }
  for (const HeatingCondition& h : design->heating) {
    lines.push_back(fmt::format("  Heating {:.1f} %: dry bulb ", h.percent) + t(h.dryBulb));
  }
  return lines;
}

std::vector<std::string> WeatherReportLines(const ChartSettings& chart) {
  const ClimateLayer& layer = chart.Climate;
  if (!layer.HasWeather()) return {};
  std::vector<std::string> lines = ClimateSettingsLines(chart);
  for (std::string& line : SummaryLines(layer.Summary(chart.CursorState()))) {
    lines.push_back(std::move(line));
  }
  for (std::string& line : AdaptiveLines(chart)) lines.push_back(std::move(line));
  for (std::string& line : DesignLines(chart)) lines.push_back(std::move(line));
  return lines;
}

}  // namespace hygrovia
