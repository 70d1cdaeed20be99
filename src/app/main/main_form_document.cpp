// The chart file the main window shows, and the changes made to it since.
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <filesystem>

#include "app/main/main_form.h"
#include "session/chart_session.h"
#include "data/chart_file.h"
#include "base/result.h"

namespace hygrovia {
namespace {

constexpr const char* kCaption = "Hygrovia - psychrometric chart";

}  // namespace

QString TMainForm::DocumentName() const {
  return fileName_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(fileName_).fileName();
}

void TMainForm::UpdateTitle() {
  // Qt puts its change mark where [*] stands while the window is marked modified.
  setWindowTitle(QStringLiteral("%1 - %2[*]").arg(QString::fromLatin1(kCaption), DocumentName()));
}

void TMainForm::TakeAsSaved(const QString& fileName) {
  fileName_ = fileName;
  savedText_ = ChartFileText(settings_);
  UpdateTitle();
  NoteChanges();
}

void TMainForm::NoteChanges() {
  // Exactly what a save would write: the points, pressure, ranges, snap and nodes.
  setWindowModified(ChartFileText(settings_) != savedText_);
  session_.Changed();
}

bool TMainForm::MaySetChartAside() {
  NoteChanges();
  if (!isWindowModified()) return true;
  const QString question = QStringLiteral("Save changes to %1?").arg(DocumentName());
  // Without anyone to ask, nothing is thrown away.
  const QMessageBox::StandardButton answer =
      hooks_.askToSave ? hooks_.askToSave(question) : QMessageBox::Cancel;
  if (answer == QMessageBox::Save) return SaveBeforeLeaving();
  return answer == QMessageBox::Discard;
}

bool TMainForm::SaveBeforeLeaving() {
  if (fileName_.isEmpty()) {
    SaveButtonClick();
  } else {
    const std::filesystem::path path(QFile::encodeName(fileName_).toStdString());
    const Result<> result = SaveChartFile(path, settings_);
    if (result.Ok()) {
      TakeAsSaved(fileName_);
    } else if (hooks_.showError) {
      hooks_.showError(QString::fromStdString(result.Message()));
    }
  }
  // A save dialog cancelled or a save that failed leaves the changes unsaved.
  NoteChanges();
  return !isWindowModified();
}

}  // namespace hygrovia
