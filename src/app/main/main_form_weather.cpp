// The main window's weather: opening a weather file and the hours read out under the mouse.
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "app/main/main_form.h"
#include "base/number_text.h"
#include "data/epw_reader.h"
#include "data/path_text.h"
#include "drawing/model_caption.h"
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
  layer.SetWeather(std::move(result).Value(), QFileInfo(name).fileName().toStdString());
  layer.SetShowComfort(true);
  weatherFile_ = path;
  OfferStationPressure(elevation);
  Redraw();
  if (hooks_.showWeather) hooks_.showWeather();
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
  const std::string hours = settings_.Climate.CellText(settings_.CursorState(), p.x, p.y);
  if (!hours.empty()) status_.SetText(status_.Text() + hours);
}

}  // namespace hygrovia
