// The main window's buttons and menu items.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QToolButton>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "app/main/chart_file_dialogs.h"
#include "app/main/main_form.h"
#include "base/result.h"
#include "data/chart_file.h"
#include "drawing/chart_drawing.h"
#include "model/chart_settings.h"
#include "model/node_list.h"
#include "model/status_line.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// The button zooms keep the window centre in place; out is the float nearest 1 / 1.1.
constexpr float kZoomInFactor = 1.1f;
constexpr float kZoomOutFactor = 0.90909094f;

std::filesystem::path PathOf(const QString& fileName) {
  return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

void Call(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

void TMainForm::Redraw() {
  const auto start = std::chrono::steady_clock::now();
  DrawingSurface& surface = settings_.Surface();
  surface.Clear(settings_.Style().Background());
  surface.MarksOverPicture = settings_.Style().Smooth();
  DrawChart(settings_, status_);
  surface.RefreshControl();
  lastDrawMilliseconds_ =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  NoteChanges();
}

Result<> TMainForm::LoadFile(const std::filesystem::path& path, const QString& fileName,
                             bool withBox) {
  const PropertyModel model = settings_.GetPropertyModel();
  ChartFileLoad load;
  changeName_ = QStringLiteral("Open %1").arg(QFileInfo(fileName).fileName());
  const Result<> result = LoadChartFile(path, settings_, &load);
  NoteChanges();
  changeName_.clear();
  if (!result.Ok()) return result;
  TakeAsSaved(fileName);
  TellAboutLoad(fileName, load.pointsInFile, settings_.GetPropertyModel() != model,
                withBox && hooks_.showError);
  return result;
}

void TMainForm::TellAboutLoad(const QString& fileName, int pointsInFile, bool modelSwitched,
                              bool withBox) {
  cutFile_.clear();
  if (modelSwitched) {
    const std::string_view name = PropertyModelName(settings_.GetPropertyModel());
    status_.SetText("The file switched the properties to " + std::string(name) + ".");
  }
  if (pointsInFile <= NodeList::kCapacity) return;
  cutFile_ = fileName;
  cutFilePoints_ = pointsInFile;
  // The chart no longer holds what the file holds, and saving would lose the rest.
  savedText_.clear();
  NoteChanges();
  const QString message = QStringLiteral("%1 holds %2 points; only the first %3 are kept.")
                              .arg(QFileInfo(fileName).fileName())
                              .arg(pointsInFile)
                              .arg(NodeList::kCapacity);
  if (withBox) {
    hooks_.showError(message);
  } else {
    std::cerr << "hygrovia: " << message.toStdString() << '\n';
    status_.SetText(message.toStdString());
  }
}

void TMainForm::LogoButtonClick() { Call(hooks_.showAbout); }

void TMainForm::OpenButtonClick() {
  if (!hooks_.chooseOpenFile || !MaySetChartAside()) return;
  const QString name = hooks_.chooseOpenFile(lastOpenName_);
  if (name.isEmpty()) return;
  lastOpenName_ = name;
  const Result<> result = LoadFile(PathOf(name), name, true);
  if (!result.Ok() && hooks_.showError) hooks_.showError(QString::fromStdString(result.Message()));
}

void TMainForm::SaveButtonClick() {
  if (!hooks_.chooseSaveFile) return;
  const QString name = WithChartExtension(hooks_.chooseSaveFile(lastSaveName_));
  if (name.isEmpty()) return;
  lastSaveName_ = name;
  SaveTo(name);
}

void TMainForm::ClipBdButtonClick() { Call(hooks_.copyToClipboard); }

void TMainForm::PrintButtonClick() { Call(hooks_.print); }

void TMainForm::HelpButtonClick() { Call(hooks_.showHelp); }

void TMainForm::ProcessButtonClick() { Call(hooks_.showProcessTable); }

void TMainForm::SettingsButtonClick() {
  const QPoint corner(MainPanel->x() + SettingsButton->x(),
                      MainPanel->y() + SettingsButton->y() + SettingsButton->height());
  const QPoint screen = mapToGlobal(corner);
  if (hooks_.popUp) hooks_.popUp(*HighlightMenu, QPoint(screen.x() - 2, screen.y()));
}

void TMainForm::HandleSettingsButtonClick(Qt::MouseButton button) {
  if (button == Qt::RightButton) SettingsButtonClick();
}

void TMainForm::ZoomInButtonClick() {
  settings_.Surface().ZoomAboutCentre(kZoomInFactor);
  Redraw();
}

void TMainForm::ZoomOutButtonClick() {
  settings_.Surface().ZoomAboutCentre(kZoomOutFactor);
  Redraw();
}

void TMainForm::FitButtonClick() {
  settings_.ApplyToSurface();
  Redraw();
}

void TMainForm::SetupButtonClick() {
  if (!hooks_.editSettings || !hooks_.editSettings()) return;
  settings_.ApplyToSurface();
  Redraw();
}

void TMainForm::RelativeValues() {
  const bool on = !settings_.IsRelativeCursor();
  settings_.SetRelativeCursor(on);
  RelativeCursor1->setChecked(on);
  RelativeCursor2->setChecked(on);
  Redraw();
}

void TMainForm::HighlightEvent(QAction& item) {
  settings_.SetHighlight(item.data().toInt());
  Redraw();
  SyncHighlightChecks();
}

void TMainForm::SyncHighlightChecks() {
  // The check mark follows the mode in force, so choosing it again to switch it off clears it.
  for (QAction* item : HighlightMenu->actions()) {
    if (item->actionGroup() != nullptr) {
      item->setChecked(item->data().toInt() == settings_.GetHighlight());
    }
  }
}

void TMainForm::AddNodeEvent() {
  settings_.Nodes.AddAtCursor(settings_.Cursor);
  Redraw();
}

void TMainForm::EditNodeEvent() { Call(hooks_.editNodes); }

void TMainForm::ClearNodes() {
  settings_.Nodes.Clear();
  Redraw();
}

void TMainForm::InsertNodeEvent() {
  settings_.Nodes.InsertCopy();
  Redraw();
}

void TMainForm::DeleteNodeEvent() {
  settings_.Nodes.DeleteSelected();
  Redraw();
}

}  // namespace hygrovia
