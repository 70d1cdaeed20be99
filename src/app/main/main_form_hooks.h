#ifndef HYGROVIA_APP_MAIN_MAIN_FORM_HOOKS_H
#define HYGROVIA_APP_MAIN_MAIN_FORM_HOOKS_H

#include <functional>

#include <QMessageBox>
#include <QPoint>
#include <QString>

class QMenu;

namespace hygrovia {

// What the main window hands over to the dialogs and services around it. An empty hook makes
// its button or menu item do nothing. The window fills the file choosers, the error box and
// the popup with working defaults; start-up and tests replace what they need.
struct MainFormHooks {
  // The About box, centred over the main window and shown modally.
  std::function<void()> showAbout;
  // The chart settings dialog, centred, filled from the settings and shown modally; true when
  // it closed with OK, after which the window applies the settings and redraws.
  std::function<bool()> editSettings;
  // The node editor, centred, showing the selected node, shown modally.
  std::function<void()> editNodes;
  std::function<void()> copyToClipboard;
  std::function<void()> print;
  // The chart alone on a page, previewed before printing.
  std::function<void()> printChart;
  // The chart written as a PNG, SVG or PDF file.
  std::function<void()> exportPicture;
  std::function<void()> showHelp;
  // The process table window, shown beside the main window and brought to the front.
  std::function<void()> showProcessTable;
  // A file name for opening or saving, starting from the last one; empty when cancelled.
  std::function<QString(const QString& lastName)> chooseOpenFile;
  std::function<QString(const QString& lastName)> chooseSaveFile;
  // Asks the question about unsaved changes; Save, Discard or Cancel.
  std::function<QMessageBox::StandardButton(const QString& question)> askToSave;
  // Tells the user why something failed.
  std::function<void(const QString& text)> showError;
  // A weather file (.epw) to open, starting from the last one; empty when cancelled.
  std::function<QString(const QString& lastName)> chooseWeatherFile;
  // A logger's file of measurements (.csv) to open, starting from the last one; empty when
  // cancelled.
  std::function<QString(const QString& lastName)> chooseMeasuredFile;
  // Asks the user a yes-or-no question; true for yes.
  std::function<bool(const QString& question)> confirm;
  // The weather window, filled from the chart and shown beside it.
  std::function<void()> showWeather;
  // Shows a popup menu at a screen position without waiting for it.
  std::function<void(QMenu& menu, const QPoint& screenPosition)> popUp;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_MAIN_MAIN_FORM_HOOKS_H
