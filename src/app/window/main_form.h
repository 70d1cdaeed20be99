#ifndef HYGROVIA_APP_WINDOW_MAIN_FORM_H
#define HYGROVIA_APP_WINDOW_MAIN_FORM_H

#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "app/output/qt_canvas.h"
#include "app/window/main_form_hooks.h"

class QAction;
class QCloseEvent;
class QEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QResizeEvent;
class QShowEvent;
class QToolButton;

namespace hygrovia {

class ChartImage;
class ChartSettings;
class StatusLine;
struct FileResult;

// The main window: a toolbar of large buttons, the chart, and along the bottom the view
// buttons and the status line. It turns mouse actions on the chart into cursor, arrow and node
// moves, panning and popup menus, and keys into moves and view commands; it keeps its controls
// laid out when resized and remembers its size and the two points when closed. Everything it
// draws goes through the chart's drawing surface onto the chart picture.
class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // Attaches the surface to the chart picture, takes the remembered size and points, and
  // draws the chart once. The settings and the status line must outlive the window.
  TMainForm(ChartSettings& settings, StatusLine& status, QWidget* parent = nullptr);
  ~TMainForm() override;

  // The dialogs and services the buttons and menu items call on.
  MainFormHooks& Hooks() { return hooks_; }

  // Applies the command line (the arguments without the program name). A chart data file
  // that cannot be read is reported on standard error only.
  void ProcessCommandLine(const std::vector<std::string>& arguments);

  // Clears the chart picture, draws the whole chart and shows it.
  void Redraw();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateToolbar();
  void CreateChartArea();
  void CreateBottomPanels();
  void CreateMenus();
  QToolButton* AddButton(QWidget* parent, const char* name, const QRect& bounds, const char* icon,
                         const char* hint);
  QAction* AddItem(QMenu* menu, const char* name, const char* caption);
  void ReadRememberedValues();
  void AttachSurface();
  FileResult LoadFile(const QString& fileName);
  QPoint ScreenPoint(int x, int y) const;

  void LogoButtonClick();
  void OpenButtonClick();
  void SaveButtonClick();
  void ClipBdButtonClick();
  void PrintButtonClick();
  void HelpButtonClick();
  void ProcessButtonClick();
  void SettingsButtonClick();
  void HandleSettingsButtonClick(Qt::MouseButton button);
  void ZoomInButtonClick();
  void ZoomOutButtonClick();
  void FitButtonClick();
  void SetupButtonClick();
  void RelativeValues();
  void HighlightEvent(QAction& item);
  void AddNodeEvent();
  void EditNodeEvent();
  void ClearNodes();
  void InsertNodeEvent();
  void DeleteNodeEvent();
  void ProcessMouseDown(Qt::MouseButton button, int x, int y);
  void ProcessMouseMove(int x, int y);
  void ProcessMouseUp(Qt::MouseButton button);
  void HandleKeyDown(int virtualKey, bool ctrl, bool shift);
  void HandleKeyUp();
  void HandleResize();
  void OnCloseEvent();

  ChartSettings& settings_;
  StatusLine& status_;
  MainFormHooks hooks_;
  QtCanvas canvas_;
  QString lastOpenName_;
  QString lastSaveName_;

  // Controls and menus, owned by the window through their Qt parents.
  QFrame* MainPanel = nullptr;
  QLabel* Image1 = nullptr;
  QToolButton* LogoButton = nullptr;
  QToolButton* OpenButton = nullptr;
  QToolButton* SaveButton = nullptr;
  QToolButton* ClipBdButton = nullptr;
  QToolButton* PrintButton = nullptr;
  QToolButton* SettingsButton = nullptr;
  QToolButton* HelpButton = nullptr;
  QToolButton* ProcessButton = nullptr;
  QWidget* GraphPanel = nullptr;
  ChartImage* GraphCanvas = nullptr;
  QFrame* ButtonPanel = nullptr;
  QToolButton* ZoomInButton = nullptr;
  QToolButton* FitButton = nullptr;
  QToolButton* ZoomOutButton = nullptr;
  QToolButton* SetupButton = nullptr;
  QLabel* StatusPanel = nullptr;
  QMenu* HighlightMenu = nullptr;
  QMenu* PtsMenu = nullptr;
  QMenu* NodesMenu = nullptr;
  QAction* RelativeCursor1 = nullptr;
  QAction* RelativeCursor2 = nullptr;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WINDOW_MAIN_FORM_H
