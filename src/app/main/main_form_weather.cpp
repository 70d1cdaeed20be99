// The main window's weather: opening a weather file and the hours read out under the mouse.
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "app/main/main_form.h"
#include "base/number_text.h"
#include "data/epw_reader.h"
#include "data/measured_reader.h"
#include "data/path_text.h"
#include "drawing/model_caption.h"
#include "drawing/weather_captions.h"
#include "model/chart_settings.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "psychro/ashrae_model.h"
#include "surface/drawing_surface.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

// Pressures closer than this to the chart's are not worth offering, kPa.
constexpr double kPressureNotWorthChanging = 0.05;

}  // namespace

void TMainForm::WeatherButtonClick() {
  ClimateLayer& layer = settings_.Climate;
  const QString name =
      hooks_.chooseWeatherFile ? hooks_.chooseWeatherFile(lastWeatherName_) : QString();
  if (name.isEmpty()) {
    // Cancelling with weather open brings its window back.
    if (layer.HasWeather() && hooks_.showWeather) hooks_.showWeather();
    return;
  }
  lastWeatherName_ = name;
  const std::filesystem::path path(QFile::encodeName(name).toStdString());
  Result<WeatherYear> result = ReadWeatherFile(path);
  if (!result.Ok()) {
    if (hooks_.showError) hooks_.showError(QString::fromStdString(result.Message()));
    return;
  }
  const double elevation = result->location.elevation;
  ShowHours(std::move(result).Value(), name);
  weatherFile_ = path;
  OfferStationPressure(elevation);
  Redraw();
  if (hooks_.showWeather) hooks_.showWeather();
  OfferWiderRanges();
}

void TMainForm::OfferWiderRanges() {
  const HoursOutside outside = CountHoursOutside(settings_);
  if (!WorthWidening(outside)) return;
  widenOffer_ = " " + HoursOutsideCaption(settings_) + ": click here to widen the ranges.";
  status_.SetText(widenOffer_);
}

void TMainForm::StatusPanelClick() {
  if (widenOffer_.empty() || status_.Text() != widenOffer_) return;
  widenOffer_.clear();
  WidenRanges(settings_, CountHoursOutside(settings_));
  Redraw();
}

bool TMainForm::ShowWeatherFile(const std::string& fileName, const HourFilter& filter) {
  const std::filesystem::path path(fileName);
  Result<WeatherYear> result = ReadWeatherFile(path);
  if (!result.Ok()) {
    std::cerr << "hygrovia: " << result.Message() << '\n';
    return false;
  }
  ClimateLayer& layer = settings_.Climate;
  layer.SetWeather(std::move(result).Value(), PathText(path.filename()));
  layer.SetFilter(filter);
  layer.SetShowComfort(true);
  lastWeatherName_ = QFile::decodeName(QByteArray::fromStdString(fileName));
  weatherFile_ = path;
  Redraw();
  return true;
}

void TMainForm::ShowHours(WeatherYear year, const QString& name) {
  ClimateLayer& layer = settings_.Climate;
  layer.SetWeather(std::move(year), QFileInfo(name).fileName().toStdString());
  layer.SetShowComfort(true);
}

void TMainForm::MeasuredItemClick() {
  const QString name =
      hooks_.chooseMeasuredFile ? hooks_.chooseMeasuredFile(lastMeasuredName_) : QString();
  if (name.isEmpty()) return;
  lastMeasuredName_ = name;
  // Asked only when the file's header does not say; no answer reads them as °C.
  const AskScale askScale = [this] {
    const bool fahrenheit =
        hooks_.confirm &&
        hooks_.confirm(QStringLiteral("The measured data do not say whether their temperatures "
                                      "are in \u00B0C or \u00B0F. Read them as \u00B0F?"));
    return fahrenheit ? TemperatureScale::Fahrenheit : TemperatureScale::Celsius;
  };
  Result<WeatherYear> read =
      ReadMeasuredFile(std::filesystem::path(QFile::encodeName(name).toStdString()), askScale,
                       settings_.GetPressure());
  if (!read) {
    if (hooks_.showError) hooks_.showError(QString::fromStdString(read.Message()));
    return;
  }
  ShowHours(std::move(read).Value(), name);
  Redraw();
  if (hooks_.showWeather) hooks_.showWeather();
}

void TMainForm::OfferStationPressure(double elevation) {
  const double pressure = ashrae::PressureAtAltitude(elevation);
  if (!hooks_.confirm || std::abs(pressure - settings_.GetPressure()) < kPressureNotWorthChanging ||
      pressure < kLowestPressure || pressure > kHighestPressure) {
    return;
  }
  const QuantityText& units = settings_.GetUnits();
  const std::string question = "The weather station lies " +
                               units.Number(Quantity::Altitude, elevation) + " " +
                               std::string(units.Unit(Quantity::Altitude)) +
                               " above sea level. Draw the chart for its barometric pressure of " +
                               BarometricPressureText(units, pressure) + "?";
  if (hooks_.confirm(QString::fromStdString(question))) {
    settings_.SetPressure(static_cast<float>(pressure));
  }
}

void TMainForm::ShowHoursInCell(int x, int y) {
  const PointF p = settings_.Surface().DeviceToWorld(x, y);
  // Cells hold only air the chart shows: nothing to say of a point outside it.
  const ChartSettings& c = settings_;
  if (!(p.x >= c.TempMin && p.x <= c.TempMax && p.y >= c.HumidityMin && p.y <= c.HumidityMax) ||
      static_cast<double>(p.y) > c.CursorState().SaturationHumidity(p.x)) {
    return;
  }
  const std::string hours = settings_.Climate.CellText(settings_.CursorState(), p.x, p.y);
  if (!hours.empty()) status_.SetText(status_.Text() + hours);
}

}  // namespace hygrovia
