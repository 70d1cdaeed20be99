#ifndef HYGROVIA_APP_DIALOGS_HELP_WINDOW_H
#define HYGROVIA_APP_DIALOGS_HELP_WINDOW_H

#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;

namespace hygrovia {

// The program's help, "Hygrovia.html", in a window of its own beside the main window: the
// user can go on working on the chart while reading it.
class THelpWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kHelpFileName = "Hygrovia.html";
  // The anchor of the contents topic.
  static constexpr const char* kContentsTopic = "contents";

  // Where the help is looked for, in order: beside the program, in the installed data
  // folder, then the copy compiled into the program.
  static QStringList DefaultLocations();
  // The first of the locations that exists; empty when none does.
  static QString FindHelpFile(const QStringList& locations);

  // A top-level window (owned by parent when given) that looks for the help at locations.
  explicit THelpWindow(QWidget* parent = nullptr);
  THelpWindow(QStringList locations, QWidget* parent);

  // Shows the contents topic and brings the window to the front. A help file that cannot be
  // found is reported in the window.
  void ShowContents();

  QTextBrowser& Browser() const { return *browser_; }

 private:
  QStringList locations_;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_DIALOGS_HELP_WINDOW_H
