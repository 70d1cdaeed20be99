#include "drawing/climate_report.h"

#include <cmath>

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

std::string ComfortLine(const ComfortSettings& c, const QuantityText& units) {
  const std::string limit =
      c.humidityLimit ? "humidity limit " + Value(units, Quantity::Moisture, c.moistureLimit, 1)
                      : "no humidity limit";
  return FormatText(
             "Comfort zones (PMV -0.5 to +0.5): %0.2f met, %0.2f clo summer, "
             "%0.2f clo winter, air %0.2f m/s, ",
             c.metabolicRate, c.summerClothing, c.winterClothing, c.airSpeed) +
         limit;
}

std::string PressureLine(const ChartSettings& chart) {
  const ClimateLayer& layer = chart.Climate;
  const QuantityText& units = chart.GetUnits();
  const double pressure = chart.CursorState().Pressure;
  const double station = layer.StationPressure();
  const std::string at = "Moisture of the hours at " + BarometricPressureText(units, pressure);
  const std::string elevation =
      Value(units, Quantity::Altitude, layer.Year().location.elevation, 0);
  if (std::abs(pressure - station) < kSamePressure) {
    return at + ", the station's pressure (" + elevation + ")";
  }
  return at + ", the chart's pressure; the station's (" + elevation + ") is " +
         BarometricPressureText(units, station);
}

std::string BandLine(const AdaptiveBand& band, const QuantityText& units) {
  const std::string month = kMonthNames[band.month - 1];
  const auto t = [&](double v) { return Value(units, Quantity::Temperature, v, 1); };
  if (!band.applies) {
    return "Adaptive band for " + month + ": none, its prevailing mean " + t(band.prevailingMean) +
           " lies outside 10 to 33.5 \xC2\xB0"
           "C";
  }
  return "Adaptive band for " + month + " (prevailing mean " + t(band.prevailingMean) +
         "): comfort " + t(band.comfort) + ", 80 % " + t(band.comfort - kBand80) + " to " +
         t(band.comfort + kBand80) + ", 90 % " + t(band.comfort - kBand90) + " to " +
         t(band.comfort + kBand90);
}

std::string CountLine(std::string_view what, int count, int total) {
  const double share = total > 0 ? 100.0 * count / total : 0.0;
  return FormatText("%-34s %6d %6.1f %%", std::string(what), count, share);
}

}  // namespace

std::vector<std::string> ClimateSettingsLines(const ChartSettings& chart) {
  const ClimateLayer& layer = chart.Climate;
  if (!layer.HasWeather()) return {};
  const QuantityText& units = chart.GetUnits();
  std::vector<std::string> lines{ComfortLine(layer.Comfort(), units), PressureLine(chart)};
  if (const auto band = layer.Band()) lines.push_back(BandLine(*band, units));
  if (layer.ShowsDesign() && layer.Design(chart.CursorState())) {
    lines.push_back(
        "Design marks of this file's hours: C cooling dry bulb at its mean coincident "
        "wet bulb, D dehumidification dew point at its mean coincident dry bulb, "
        "H heating dry bulb; the number is the percentage");
  }
  return lines;
}

std::vector<std::string> AdaptiveLines(const ChartSettings& chart) {
  const AdaptiveCount count = chart.Climate.Adaptive();
  return {FormatText("Adaptive model (naturally ventilated, outdoor air): prevailing mean the mean "
                     "of the %d days before, comfort 0.31 t + 17.8 \xC2\xB0"
                     "C",
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
    lines.push_back(FormatText("  Cooling %0.1f %%: dry bulb ", c.percent) + t(c.dryBulb) +
                    ", mean coincident wet bulb " + t(c.meanWetBulb));
  }
  for (const DehumidificationCondition& d : design->dehumidification) {
    lines.push_back(FormatText("  Dehumidification %0.1f %%: dew point ", d.percent) +
                    t(d.dewPoint) + ", " + Value(units, Quantity::Moisture, d.moisture, 1) +
                    ", mean coincident dry bulb " + t(d.meanDryBulb));
  }
  for (const HeatingCondition& h : design->heating) {
    lines.push_back(FormatText("  Heating %0.1f %%: dry bulb ", h.percent) + t(h.dryBulb));
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
