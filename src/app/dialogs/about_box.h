#ifndef HYGROVIA_APP_DIALOGS_ABOUT_BOX_H
#define HYGROVIA_APP_DIALOGS_ABOUT_BOX_H

#include <QDialog>
#include <QString>

namespace hygrovia {

// The program's notice: name, version, what it is, its licence and credits. Made once at
// start-up and reused; opened by the main window's logo button.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // "Version 1.2.3", the version the program was built as.
  static QString VersionText();

  // Centres the box over owner and shows it modally.
  void ShowOver(const QWidget& owner);
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_DIALOGS_ABOUT_BOX_H
