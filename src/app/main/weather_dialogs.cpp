#include "app/main/weather_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QStringList>

namespace hygrovia {

QString ChooseWeatherFile(QWidget* parent, const QString& lastName) {
  // Both spellings, since the file dialogs of Linux desktops match case-sensitively.
  QFileDialog dialog(parent, QStringLiteral("Open weather..."), QString(),
                     QStringLiteral("EnergyPlus Weather Files (*.epw *.EPW)"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (!lastName.isEmpty()) dialog.selectFile(lastName);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace hygrovia
