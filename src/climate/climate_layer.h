#ifndef HYGROVIA_CLIMATE_CLIMATE_LAYER_H
#define HYGROVIA_CLIMATE_CLIMATE_LAYER_H

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "climate/adaptive_comfort.h"
#include "climate/comfort_zone.h"
#include "climate/design_conditions.h"
#include "climate/hour_bins.h"
#include "climate/hours_summary.h"
#include "climate/weather_hours.h"

namespace hygrovia {

struct AirState;

// How the hours of the weather are drawn: shaded cells by the number of hours in each, or a
// dot for each hour.
enum class HoursDisplay { Density, Dots };

// Density cells: 1 °C across by 1 g/kg up; inch-pound charts ask for 2 °F by 10 gr/lb
// (chart/chart_grid_units.h).
inline constexpr float kHoursCellWidth = 1.0f;
inline constexpr float kHoursCellHeight = 1.0f;

// What the chart shows under its lines of a year of weather and of thermal comfort: the hours
// that pass the filter and the comfort zones. Empty until a weather file is opened or the
// zones are switched on, and then nothing of it is drawn. Everything derived from the hours
// and zones is worked out at the chart's pressure when first asked for after a change.
class ClimateLayer {
 public:
  bool IsEmpty() const { return !HasWeather() && !ShowsComfort(); }

  bool HasWeather() const { return hasWeather_; }
  // Shows the year's hours from now on; fileName is how the title names the file.
  void SetWeather(WeatherYear year, std::string fileName);
  void ClearWeather();
  const WeatherYear& Year() const { return year_; }
  const std::string& FileName() const { return fileName_; }

  // The density cells' size (°C, g/kg), held to HourBins' smallest; cells stand on 0 °C and
  // 0 g/kg.
  void SetCellSize(double width, double height);

  HoursDisplay Display() const { return display_; }
  void SetDisplay(HoursDisplay display) { display_ = display; }
  const HourFilter& Filter() const { return filter_; }
  // Months are held to 1 .. 12 and hours to 0 .. 24.
  void SetFilter(const HourFilter& filter);

  bool ShowsComfort() const { return showComfort_; }
  void SetShowComfort(bool show) { showComfort_ = show; }
  const ComfortSettings& Comfort() const { return comfort_; }
  // Stored as ComfortSettings::Held gives them.
  void SetComfort(const ComfortSettings& comfort);

  // The design conditions marked on the chart (the summary always gives them).
  bool ShowsDesign() const { return showDesign_; }
  void SetShowDesign(bool show) { showDesign_ = show; }
  // The month (1 to 12) whose adaptive comfort band is drawn; 0 for none.
  int AdaptiveMonth() const { return adaptiveMonth_; }
  void SetAdaptiveMonth(int month) { adaptiveMonth_ = month >= 1 && month <= 12 ? month : 0; }

  // The barometric pressure (kPa) of the station's elevation.
  double StationPressure() const;

  // The chart points of the hours in the filter, their cells and the comfort zones at the
  // pressure of air (kPa).
  const std::vector<ChartPoint>& Points(const AirState& air) const;
  const HourBins& Bins(const AirState& air) const;
  const std::vector<ComfortZone>& Zones(const AirState& air) const;
  HoursSummary Summary(const AirState& air) const;
  // The design conditions of the whole file at the pressure of air; nothing without weather.
  const std::optional<DesignConditions>& Design(const AirState& air) const;
  // The hours of the filter within the adaptive bands.
  AdaptiveCount Adaptive() const;
  // The band of AdaptiveMonth; nothing without weather, month or hours in it.
  std::optional<AdaptiveBand> Band() const;

  // The lines naming the weather in the chart's title: where (the station's elevation as the
  // caller writes it, "201 m"), which file, which hours.
  std::vector<std::string> TitleLines(const AirState& air, std::string_view elevation) const;
  // " | N h in cell" for the cell under the chart point (x, y); empty without weather.
  std::string CellText(const AirState& air, float x, float y) const;

 private:
  void Forget();
  void Refresh(const AirState& air) const;

  bool hasWeather_ = false;
  WeatherYear year_;
  std::string fileName_;
  HoursDisplay display_ = HoursDisplay::Density;
  HourFilter filter_;
  bool showComfort_ = false;
  ComfortSettings comfort_;
  bool showDesign_ = false;
  int adaptiveMonth_ = 0;
  std::vector<float> prevailing_;  // t_pma of each hour of the year
  double cellWidth_ = kHoursCellWidth;
  double cellHeight_ = kHoursCellHeight;

  // Derived for the pressure they were worked out at; NaN when nothing is.
  mutable double pointsPressure_ = std::numeric_limits<double>::quiet_NaN();
  mutable double zonesPressure_ = std::numeric_limits<double>::quiet_NaN();
  mutable double designPressure_ = std::numeric_limits<double>::quiet_NaN();
  mutable std::vector<ChartPoint> points_;
  mutable HourBins bins_;
  mutable std::vector<ComfortZone> zones_;
  mutable std::optional<DesignConditions> design_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_CLIMATE_CLIMATE_LAYER_H
