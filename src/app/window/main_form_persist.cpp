// The main window's size, the two points and the property model, kept between runs.
#include <QScreen>
#include <QSize>
#include <algorithm>

#include "app/window/main_form.h"
#include "app/window/settings_store.h"
#include "chart/chart_settings.h"
#include "data/persisted_values.h"

namespace hygrovia {
namespace {

// The remembered size, no larger than the screen's free area so that the whole window can be
// seen even when it was last closed on a larger screen.
QSize OnScreenSize(WindowSize size, const QScreen* screen) {
  QSize result(size.Width, size.Height);
  if (screen != nullptr) result = result.boundedTo(screen->availableGeometry().size());
  return result.expandedTo(QSize(1, 1));
}

}  // namespace

void TMainForm::ReadRememberedValues() {
  const SettingText size = ReadSetting(kSizeValueName, kDefaultSizeText);
  resize(OnScreenSize(WindowSizeFromText(size.Text), screen()));
  const SettingText properties =
      ReadSetting(kPropertiesValueName, PropertiesText(PropertyModel::ChartFormulas));
  settings_.SetPropertyModel(PropertiesFromText(properties.Text));
  // The default text does not describe points on the chart; only stored values move them.
  const SettingText setup = ReadSetting(kSetupValueName, kDefaultSetupText);
  if (!setup.Read) return;
  if (const auto positions = SetupFromText(setup.Text)) ApplySetup(settings_, *positions);
}

void TMainForm::OnCloseEvent() {
  WriteSetting(kSetupValueName, SetupText(settings_));
  WriteSetting(kPropertiesValueName, PropertiesText(settings_.GetPropertyModel()));
  WriteSetting(kSizeValueName, WindowSizeText(WindowSize{width(), height()}));
}

}  // namespace hygrovia
