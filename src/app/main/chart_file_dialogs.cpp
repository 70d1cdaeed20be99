#include "app/main/chart_file_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace hygrovia {
namespace {

// Both spellings of the extension are listed because the file dialogs of Linux desktops
// match patterns case-sensitively. The dialogs show the filters without that list.
constexpr const char* kOpenFilter = "Hygrovia Date Files (*.HGV) (*.hgv *.HGV)";
constexpr const char* kSaveFilter = "Hygrovia Data Files (*.HGV) (*.hgv *.HGV)";
constexpr const char* kExtension = "hgv";

QString RunDialog(QFileDialog& dialog, const QString& lastName) {
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  if (!lastName.isEmpty()) dialog.selectFile(lastName);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace

QString ChooseChartFileToOpen(QWidget* parent, const QString& lastName) {
  QFileDialog dialog(parent, QStringLiteral("Open Hygrovia Data..."), QString(),
                     QString::fromLatin1(kOpenFilter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return RunDialog(dialog, lastName);
}

QString ChooseChartFileToSave(QWidget* parent, const QString& lastName) {
  QFileDialog dialog(parent, QStringLiteral("Save Hygrovia Data..."), QString(),
                     QString::fromLatin1(kSaveFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromLatin1(kExtension));
  return RunDialog(dialog, lastName);
}

QString WithChartExtension(const QString& name) {
  if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty()) return name;
  const QString dot = name.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
  return name + dot + QString::fromLatin1(kExtension);
}

}  // namespace hygrovia
