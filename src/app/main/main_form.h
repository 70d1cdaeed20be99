#ifndef HYGROVIA_APP_MAIN_MAIN_FORM_H
#define HYGROVIA_APP_MAIN_MAIN_FORM_H

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QRect>
#include <QString>
#include <QWidget>

#include "app/main/main_form_hooks.h"
#include "app/output/qt_canvas.h"
#include "base/result.h"
#include "model/chart_snapshot.h"

class QAction;
class QCloseEvent;
class QEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QMoveEvent;
class QPaintDevice;
class QResizeEvent;
class QShowEvent;
class QToolButton;
class QUndoStack;
class QWheelEvent;

namespace hygrovia {

class ChartImage;
class ChartSession;
class ChartSettings;
struct HourFilter;
class StatusLine;
struct WeatherYear;

// The main window: a toolbar of large buttons, the chart, and along the bottom the view
// buttons and the status line. It turns mouse actions on the chart into cursor, arrow and node
// moves, panning and popup menus, and keys into moves and view commands; it keeps its controls
// laid out when resized and remembers its size and the two points when closed. Everything it
// draws goes through the chart's drawing surface onto the chart picture.
//
// It knows the chart file it shows and whether the chart differs from what that file (or,
// for a new chart, the chart it started with) holds: the title carries the file's name and a
// mark for changes, and closing or opening another file asks whether to save them first.
// Every change of the chart (points, cursor, arrow, settings, a file opened) is a step of its
// undo stack; Undo and Redo stand in the open button's menu.
class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // Attaches the surface to the chart picture, takes the remembered size and points, and
  // draws the chart once. The session must outlive the window, which tells the session's
  // observers of every change it shows.
  explicit TMainForm(ChartSession& session, QWidget* parent = nullptr);
  ~TMainForm() override;

  // The dialogs and services the buttons and menu items call on.
  MainFormHooks& Hooks() { return hooks_; }

  // Applies the command line (the arguments without the program name). A chart data file
  // that cannot be read is reported on standard error only. The chart it leaves counts as
  // unchanged, unless options after the last file loaded changed what the file held.
  void ProcessCommandLine(const std::vector<std::string>& arguments);

  // Shows the year of weather of the file (its name as the file system's bytes) with the
  // comfort zones, its hours held to filter, as a run without a window draws it; a file that
  // cannot be read is told on standard error and nothing changes. False when it could not.
  bool ShowWeatherFile(const std::string& fileName, const HourFilter& filter);

  // The smallest client size at which every control can be reached.
  QSize MinimumClientSize() const;

  // Clears the chart picture, draws the whole chart and shows it.
  void Redraw();

  // The chart file last opened or saved; empty while there was none.
  const QString& ChartFileName() const { return fileName_; }
  // The chart's changes, for undo and redo.
  QUndoStack& History() { return *undoStack_; }
  // The weather file shown (its name as the file system's bytes); empty while there is none.
  // No export or CSV of the window may replace it.
  const std::filesystem::path& WeatherFile() const { return weatherFile_; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateToolbar();
  void CreateChartArea();
  void CreateBottomPanels();
  void CreateMenus();
  void CreateOutputControls();
  // The weather and process-table panels after the output panel, and the open button's menu.
  void CreateSidePanels();
  QFrame* AddSidePanel(const char* name, QToolButton*& button, const char* buttonName,
                       const char* icon, const char* hint);
  // The panels right of the toolbar are shown while they fit wholly inside the window; their
  // commands are in the menus of the print and open buttons and of the points.
  void ShowSidePanelsThatFit();
  // The » button right of the toolbar and the last panel shown, with all of them in its menu.
  void CreateOverflow();
  void CreateShortcuts();
  QToolButton* AddButton(QWidget* parent, const char* name, const QRect& bounds, const char* icon,
                         const char* hint);
  QAction* AddItem(QMenu* menu, const char* name, const char* caption);
  void ReadRememberedValues();
  // Gives the window the remembered outer size once the window system has framed it.
  void ApplyOuterSize();
  void AttachSurface();
  // Loads a chart file and tells of what the chart could not keep (points past the list's
  // capacity) and of a property model the file switched to, in a message box withBox, else on
  // standard error and in the status line.
  // The file is read at path, byte for byte as given, and named by fileName.
  Result<> LoadFile(const std::filesystem::path& path, const QString& fileName, bool withBox);
  // What the window tells after a file was loaded: the points dropped, the model switched.
  void TellAboutLoad(const QString& fileName, int pointsInFile, bool modelSwitched, bool withBox);
  QPoint ScreenPoint(int x, int y) const;

  // The file shown and its changes (main_form_document.cpp).
  QString DocumentName() const;
  void UpdateTitle();
  // The chart as it is now counts as the content of fileName.
  void TakeAsSaved(const QString& fileName);
  // Sets the title's change mark from a comparison with what was last opened or saved.
  void NoteChanges();
  // True when the chart may be replaced or the window closed: nothing unsaved, or the user
  // saved it or chose to discard it.
  bool MaySetChartAside();
  bool SaveBeforeLeaving();
  // Writes the chart to fileName; a file whose points were cut at opening is replaced only
  // when the user agrees. True when saved.
  bool SaveTo(const QString& fileName);
  // Ctrl+S: to the chart's own file, through the save dialog for a new chart.
  void SaveInPlace();

  // The undo stack (main_form_document.cpp): records the chart as it is now as one step when
  // it differs from the chart last recorded, named by what changed.
  void CreateHistory();
  void RecordChange();
  void RestoreChart(const ChartSnapshot& snapshot);
  // Starts the history afresh from the chart as it is.
  void ForgetHistory();

  // The marks of a style that never XORs them, drawn over the chart picture as it is painted
  // (main_form_marks.cpp).
  void PaintMarks(QPaintDevice& device);
  // Has the chart control show what a mouse event changed: with marks over the picture, only
  // where they stood, where they stand now and the data table; otherwise all of it.
  void ShowChartChanges();

  void WheelZoom(const QWheelEvent& wheel, QPoint at);
  void MouseLeftChart();
  void ShowPointerShape(int x, int y);
  void SyncHighlightChecks();

  void LogoButtonClick();
  void OpenButtonClick();
  void SaveButtonClick();
  void ClipBdButtonClick();
  void PrintButtonClick();
  void HandlePrintButtonClick(Qt::MouseButton button);
  void HandleOpenButtonClick(Qt::MouseButton button);
  void PrintChartButtonClick();
  void ExportButtonClick();
  void HelpButtonClick();
  void WeatherButtonClick();
  // Reads a logger's measurements and shows them as the weather's hours.
  void MeasuredItemClick();
  // Puts a year of weather or of measurements read from the file name on the chart.
  void ShowHours(WeatherYear year, const QString& name);
  // Offers the pressure of the weather station's elevation as the chart's.
  void OfferStationPressure(double elevation);
  // Adds the weather's hours in the cell under pixel (x, y) to the status line.
  void ShowHoursInCell(int x, int y);
  // Offers in the status line to widen the ranges when many of the weather's hours lie outside
  // them; a click on the status line while it shows the offer takes it.
  void OfferWiderRanges();
  void StatusPanelClick();
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

  ChartSession& session_;
  ChartSettings& settings_;
  StatusLine& status_;
  MainFormHooks hooks_;
  QtCanvas canvas_;
  QString lastOpenName_;
  QString lastSaveName_;
  QString lastWeatherName_;
  QString lastMeasuredName_;
  std::filesystem::path weatherFile_;
  // The chart file shown, empty for a new chart, and its text as last opened or saved.
  QString fileName_;
  std::string savedText_;
  // A file whose points past the list's capacity were dropped when it was opened, and how many
  // it held; saving over it asks first.
  QString cutFile_;
  int cutFilePoints_ = 0;
  // The chart as the undo stack last saw it, and the name of a change in progress that
  // names itself (opening a file).
  QUndoStack* undoStack_ = nullptr;
  ChartSnapshot recorded_;
  QString changeName_;
  bool restoring_ = false;
  // The remembered outer size, until the window's frame is known, and the size given for it
  // meanwhile; a size given since by someone else wins.
  struct PendingSize {
    QSize outer;
    QSize given;
  };
  std::optional<PendingSize> pendingSize_;
  // How long the last full drawing took; a pan draws the whole chart while it fits a frame.
  double lastDrawMilliseconds_ = 0.0;
  // Where the marks over the picture were last painted, control pixels.
  QRect marksShown_;
  // The status line's offer to widen the ranges, while it stands; empty otherwise.
  std::string widenOffer_;

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
  // The chart's ways out beyond the toolbar's own buttons: a panel right of it and the print
  // button's menu.
  QFrame* OutputPanel = nullptr;
  QToolButton* PrintChartButton = nullptr;
  QToolButton* ExportButton = nullptr;
  QMenu* PrintMenu = nullptr;
  QAction* ExportItem = nullptr;
  // Weather and the process table: panels after the output panel, and the open button's menu.
  QFrame* WeatherPanel = nullptr;
  QToolButton* WeatherButton = nullptr;
  QFrame* ProcessPanel = nullptr;
  QToolButton* ProcessButton = nullptr;
  QMenu* OpenMenu = nullptr;
  // Every command added beside the toolbar, reachable whatever the window's width.
  QToolButton* OverflowButton = nullptr;
  QMenu* OverflowMenu = nullptr;
  QAction* UndoItem = nullptr;
  QAction* RedoItem = nullptr;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_MAIN_MAIN_FORM_H
