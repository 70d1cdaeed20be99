#include "app/main/weather_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QStringList>

namespace hygrovia {

namespace {

QString ChooseFile(QWidget* parent, const QString& lastName, const QString& title,
                   const QString& filter) {
  QFileDialog dialog(parent, title, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (!lastName.isEmpty()) dialog.selectFile(lastName);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace

QString ChooseWeatherFile(QWidget* parent, const QString& lastName) {
  // Both spellings, since the file dialogs of Linux desktops match case-sensitively.
  return ChooseFile(parent, lastName, QStringLiteral("Open weather..."),
                    QStringLiteral("EnergyPlus Weather Files (*.epw *.EPW)"));
}

QString ChooseMeasuredFile(QWidget* parent, const QString& lastName) {
  return ChooseFile(parent, lastName, QStringLiteral("Open measured data..."),
                    QStringLiteral("Measured Data (*.csv *.CSV);;All Files (*)"));
}

}  // namespace hygrovia
