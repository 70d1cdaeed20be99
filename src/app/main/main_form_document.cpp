// The chart file the main window shows, and the changes made to it since.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>
#include <QUndoStack>
#include <filesystem>

#include "app/main/chart_history.h"
#include "app/main/main_form.h"
#include "base/result.h"
#include "data/chart_file.h"
#include "model/chart_settings.h"
#include "session/chart_session.h"

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
  undoStack_->setClean();
}

void TMainForm::NoteChanges() {
  RecordChange();
  // Exactly what a save would write: cursor, arrow, points, pressure, ranges, snap and model.
  setWindowModified(ChartFileText(settings_) != savedText_);
  session_.Changed();
}

void TMainForm::CreateHistory() {
  undoStack_ = new QUndoStack(this);
  UndoItem = undoStack_->createUndoAction(this, QStringLiteral("&Undo"));
  UndoItem->setObjectName(QStringLiteral("UndoItem"));
  UndoItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
  RedoItem = undoStack_->createRedoAction(this, QStringLiteral("&Redo"));
  RedoItem->setObjectName(QStringLiteral("RedoItem"));
  RedoItem->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  for (QAction* item : {UndoItem, RedoItem}) {
    item->setShortcutContext(Qt::WindowShortcut);
    addAction(item);
  }
  OpenMenu->addSeparator();
  OpenMenu->addAction(UndoItem);
  OpenMenu->addAction(RedoItem);
}

void TMainForm::RecordChange() {
  // A drag is one change, recorded when the button is released.
  if (undoStack_ == nullptr || restoring_ || settings_.Surface().DragButton == 0) return;
  const ChartSnapshot now = TakeSnapshot(settings_);
  if (SameChart(now, recorded_)) {
    recorded_ = now;
    return;
  }
  const QString name =
      changeName_.isEmpty() ? QString::fromStdString(ChangeName(recorded_, now)) : changeName_;
  const ChartSnapshot before = recorded_;
  recorded_ = now;
  undoStack_->push(new ChartChangeCommand(
      [this](const ChartSnapshot& snapshot) { RestoreChart(snapshot); }, before, now, name));
}

void TMainForm::RestoreChart(const ChartSnapshot& snapshot) {
  restoring_ = true;
  RestoreSnapshot(settings_, snapshot);
  recorded_ = TakeSnapshot(settings_);
  Redraw();
  restoring_ = false;
}

void TMainForm::ForgetHistory() {
  undoStack_->clear();
  recorded_ = TakeSnapshot(settings_);
  undoStack_->setClean();
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
    SaveTo(fileName_);
  }
  // A save dialog cancelled or a save that failed leaves the changes unsaved.
  NoteChanges();
  return !isWindowModified();
}

bool TMainForm::SaveTo(const QString& fileName) {
  if (!cutFile_.isEmpty() &&
      QFileInfo(fileName).absoluteFilePath() == QFileInfo(cutFile_).absoluteFilePath()) {
    const QString question =
        QStringLiteral("%1 holds %2 points; saving over it keeps only the first %3. Save anyway?")
            .arg(QFileInfo(fileName).fileName())
            .arg(cutFilePoints_)
            .arg(NodeList::kCapacity);
    if (!hooks_.confirm || !hooks_.confirm(question)) return false;
  }
  const std::filesystem::path path(QFile::encodeName(fileName).toStdString());
  const Result<> result = SaveChartFile(path, settings_);
  if (!result.Ok()) {
    if (hooks_.showError) hooks_.showError(QString::fromStdString(result.Message()));
    return false;
  }
  cutFile_.clear();
  TakeAsSaved(fileName);
  return true;
}

void TMainForm::SaveInPlace() {
  if (fileName_.isEmpty()) {
    SaveButtonClick();
  } else {
    SaveTo(fileName_);
  }
}

}  // namespace hygrovia
