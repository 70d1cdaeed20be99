// The main window's size, the two points, the property model, the chart style and the
// units, kept between runs.
#include <QScreen>
#include <QSize>
#include <algorithm>

#include "app/main/main_form.h"
#include "app/widgets/settings_store.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "data/persisted_values.h"

namespace hygrovia {
namespace {

// The remembered outer size, no larger than the screen's free area so that the whole window
// can be seen even when it was last closed on a larger screen.
QSize OnScreenSize(WindowSize size, const QScreen* screen) {
  QSize result(size.Width, size.Height);
  if (screen != nullptr) result = result.boundedTo(screen->availableGeometry().size());
  return result.expandedTo(QSize(1, 1));
}

}  // namespace

void TMainForm::ReadRememberedValues() {
  // The size is the window's outer one, frame included, so that it means the same on every
  // desktop. Until the window is framed it stands for the inner size; the minimum holds.
  const SettingText size = ReadSetting(kSizeValueName, kDefaultSizeText);
  const QSize outer = OnScreenSize(WindowSizeFromText(size.Text), screen());
  resize(outer.expandedTo(minimumSize()));
  pendingSize_ = PendingSize{outer, this->size()};
  const SettingText properties =
      ReadSetting(kPropertiesValueName, PropertiesText(PropertyModel::ChartFormulas));
  settings_.SetPropertyModel(PropertiesFromText(properties.Text));
  const SettingText style = ReadSetting(kStyleValueName, ChartStyleText(ChartStyleName::Classic));
  settings_.SetChartStyle(ChartStyleFromText(style.Text).value_or(ChartStyleName::Classic));
  // A chart in inch-pound units starts on their ranges; the SI ones are the chart's own.
  const SettingText units = ReadSetting(kUnitsValueName, UnitsText(UnitSystem::Si));
  if (UnitsFromText(units.Text) != settings_.GetUnits().System()) {
    settings_.SetUnitSystem(UnitsFromText(units.Text));
    UseDefaultRanges(settings_);
  }
  // The default text does not describe points on the chart; only stored values move them.
  const SettingText setup = ReadSetting(kSetupValueName, kDefaultSetupText);
  if (!setup.Read) return;
  if (const auto positions = SetupFromText(setup.Text)) ApplySetup(settings_, *positions);
}

void TMainForm::ApplyOuterSize() {
  if (!pendingSize_) return;
  if (size() != pendingSize_->given) {
    pendingSize_.reset();
    return;
  }
  const QSize frame = frameGeometry().size() - size();
  // Without a frame (yet), the inner size given at start-up is the outer one.
  if (frame.isNull()) return;
  resize((pendingSize_->outer - frame).expandedTo(minimumSize()));
  pendingSize_.reset();
}

void TMainForm::OnCloseEvent() {
  WriteSetting(kSetupValueName, SetupText(settings_));
  WriteSetting(kPropertiesValueName, PropertiesText(settings_.GetPropertyModel()));
  WriteSetting(kStyleValueName, ChartStyleText(settings_.GetChartStyle()));
  WriteSetting(kUnitsValueName, UnitsText(settings_.GetUnits().System()));
  const QSize outer = frameGeometry().size();
  WriteSetting(kSizeValueName, WindowSizeText(WindowSize{outer.width(), outer.height()}));
}

}  // namespace hygrovia
