#include "app/main/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "app/main/chart_file_dialogs.h"
#include "app/main/weather_dialogs.h"
#include "app/widgets/chart_image.h"
#include "model/chart_settings.h"
#include "model/status_line.h"
#include "session/chart_session.h"
#include "surface/drawing_surface.h"

// Resources of a static library are registered by hand; the macro needs the global namespace.
static void InitHygroviaResources() { Q_INIT_RESOURCE(hygrovia); }

namespace hygrovia {
namespace {

constexpr int kDesignSize = 456;
// The chart keeps at least this height, pixels, however small the window is made.
constexpr int kMinimumChartHeight = 100;
constexpr QSize kToolbarIconSize(40, 40);
constexpr QSize kViewIconSize(16, 16);
// The overflow button's width beside the toolbar, and over its banner where the window leaves
// no room beside it.
constexpr int kOverflowWidth = 12;
constexpr int kBannerButtonWidth = 24;

// A tag of a highlight menu item, its name and caption; separators stand between families.
struct HighlightItem {
  const char* name;
  const char* caption;
  int tag;
};

constexpr HighlightItem kHighlightItems[] = {
    {"DryBulbTemperature1", "&Dry Bulb Temperature", 1},
    {"WetBulbTemperature1", "&Wet Bulb Temperature", 2},
    {"AbsoluteHumidity1", "&Absolute Humidity", 3},
    {"RelativeHumidity1", "&Relative Humidity", 4},
    {"VapourPressure1", "&Vapour Pressure", 5},
    {"SpecificVolume1", "&Specific Volume", 6},
    {"Enthalpy1", "&Enthalpy", 7},
    {"HeatingandCooling1", "&Heating and Cooling", 8},
    {"DewPointandCondensation1", "Dew &Point and Condensation", 9},
    {"AdiabaticProcesses1", "Ad&iabatic Processes", 10},
    {"MixingAirStreams1", "&Mixing Air Streams", 11},
};

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& bounds) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  panel->setGeometry(bounds);
  return panel;
}

}  // namespace

TMainForm::TMainForm(ChartSession& session, QWidget* parent)
    : QWidget(parent), session_(session), settings_(session.Settings()), status_(session.Status()) {
  InitHygroviaResources();
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  // The window takes every key itself, Tab included; no child control takes the focus.
  setFocusPolicy(Qt::StrongFocus);
  resize(kDesignSize, kDesignSize);
  CreateToolbar();
  CreateChartArea();
  CreateBottomPanels();
  CreateMenus();
  CreateOutputControls();
  CreateSidePanels();
  CreateHistory();
  CreateShortcuts();
  hooks_.chooseOpenFile = [this](const QString& last) { return ChooseChartFileToOpen(this, last); };
  hooks_.chooseSaveFile = [this](const QString& last) { return ChooseChartFileToSave(this, last); };
  hooks_.showError = [this](const QString& text) {
    QMessageBox::warning(this, QStringLiteral("Hygrovia"), text);
  };
  hooks_.popUp = [](QMenu& menu, const QPoint& at) { menu.popup(at); };
  hooks_.chooseWeatherFile = [this](const QString& last) { return ChooseWeatherFile(this, last); };
  hooks_.chooseMeasuredFile = [this](const QString& last) {
    return ChooseMeasuredFile(this, last);
  };
  hooks_.confirm = [this](const QString& question) {
    return QMessageBox::question(this, QStringLiteral("Hygrovia"), question) == QMessageBox::Yes;
  };
  hooks_.askToSave = [this](const QString& question) {
    return QMessageBox::question(this, QStringLiteral("Hygrovia"), question,
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                 QMessageBox::Save);
  };
  status_.SetListener(
      [this](const std::string& text) { StatusPanel->setText(QString::fromStdString(text)); });
  settings_.Surface().SetRedrawHandler([this] { Redraw(); });
  canvas_.SetFont(QStringLiteral("Arial"), 8);
  GraphCanvas->SetOverlayPainter([this](QPaintDevice& device) { PaintMarks(device); });
  setMinimumSize(MinimumClientSize());
  ReadRememberedValues();
  HandleResize();
  TakeAsSaved(QString());
  ForgetHistory();
}

QSize TMainForm::MinimumClientSize() const {
  // The toolbar with the margin it keeps on its left on its right as well, and the chart, the
  // view buttons and the status line below it as the resize handling lays them out.
  const int toolbar = std::max(MainPanel->width(), MainPanel->childrenRect().right() + 1);
  const int width = 2 * MainPanel->x() + toolbar;
  const int height = GraphPanel->y() + kMinimumChartHeight + 6 + StatusPanel->height();
  return QSize(width, height);
}

TMainForm::~TMainForm() {
  status_.SetListener(nullptr);
  DrawingSurface& surface = settings_.Surface();
  surface.SetRedrawHandler(nullptr);
  surface.Canvas = nullptr;
  surface.Control = nullptr;
}

QToolButton* TMainForm::AddButton(QWidget* parent, const char* name, const QRect& bounds,
                                  const char* icon, const char* hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(bounds);
  button->setIcon(QIcon(QString::fromLatin1(icon)));
  button->setToolTip(QString::fromLatin1(hint));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

void TMainForm::CreateToolbar() {
  MainPanel = MakePanel(this, "MainPanel", QRect(1, 4, 443, 86));
  Image1 = new QLabel(MainPanel);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(1, 1, 440, 23);
  Image1->setPixmap(
      QIcon(QStringLiteral(":/icons/banner.svg")).pixmap(QSize(440, 23), devicePixelRatioF()));
  LogoButton =
      AddButton(MainPanel, "LogoButton", QRect(2, 25, 62, 60), ":/icons/logo.svg", "About...");
  OpenButton = AddButton(MainPanel, "OpenButton", QRect(65, 25, 62, 60), ":/icons/open.svg",
                         "Open Hygrovia data file.");
  SaveButton = AddButton(MainPanel, "SaveButton", QRect(128, 25, 62, 60), ":/icons/save.svg",
                         "Save Hygrovia data file.");
  ClipBdButton = AddButton(MainPanel, "ClipBdButton", QRect(191, 25, 62, 60),
                           ":/icons/clipboard.svg", "Copy image to clipboard.");
  PrintButton = AddButton(MainPanel, "PrintButton", QRect(254, 25, 62, 60), ":/icons/print.svg",
                          "Print form.");
  SettingsButton = AddButton(MainPanel, "SettingsButton", QRect(317, 25, 62, 60),
                             ":/icons/settings.svg", "Edit graph settings");
  HelpButton = AddButton(MainPanel, "HelpButton", QRect(380, 25, 62, 60), ":/icons/help.svg",
                         "Display help.");
  for (QToolButton* button : MainPanel->findChildren<QToolButton*>()) {
    button->setIconSize(kToolbarIconSize);
  }
  SettingsButton->installEventFilter(this);
  connect(LogoButton, &QToolButton::clicked, this, &TMainForm::LogoButtonClick);
  connect(OpenButton, &QToolButton::clicked, this, &TMainForm::OpenButtonClick);
  connect(SaveButton, &QToolButton::clicked, this, &TMainForm::SaveButtonClick);
  connect(ClipBdButton, &QToolButton::clicked, this, &TMainForm::ClipBdButtonClick);
  connect(PrintButton, &QToolButton::clicked, this, &TMainForm::PrintButtonClick);
  connect(SettingsButton, &QToolButton::clicked, this, &TMainForm::SettingsButtonClick);
  connect(HelpButton, &QToolButton::clicked, this, &TMainForm::HelpButtonClick);
}

QFrame* TMainForm::AddSidePanel(const char* name, QToolButton*& button, const char* buttonName,
                                const char* icon, const char* hint) {
  // After the last panel on the toolbar's row, as high as the toolbar.
  const QRect last = (ProcessPanel   ? ProcessPanel
                      : WeatherPanel ? WeatherPanel
                                     : OutputPanel)
                         ->geometry();
  QFrame* panel = MakePanel(this, name, QRect(last.right() + 2, last.y(), 65, last.height()));
  button = AddButton(panel, buttonName, QRect(1, 25, 62, 60), icon, hint);
  button->setIconSize(kToolbarIconSize);
  return panel;
}

void TMainForm::CreateSidePanels() {
  WeatherPanel = AddSidePanel("WeatherPanel", WeatherButton, "WeatherButton", ":/icons/weather.svg",
                              "Open weather...");
  ProcessPanel = AddSidePanel("ProcessPanel", ProcessButton, "ProcessButton", ":/icons/process.svg",
                              "Show the process table.");
  connect(WeatherButton, &QToolButton::clicked, this, &TMainForm::WeatherButtonClick);
  connect(ProcessButton, &QToolButton::clicked, this, &TMainForm::ProcessButtonClick);

  OpenMenu = new QMenu(this);
  OpenMenu->setObjectName(QStringLiteral("OpenMenu"));
  QAction* openChart = AddItem(OpenMenu, "OpenChartItem", "&Open Chart File...");
  QAction* openWeather = AddItem(OpenMenu, "OpenWeatherItem", "Open &Weather...");
  connect(openChart, &QAction::triggered, this, &TMainForm::OpenButtonClick);
  connect(openWeather, &QAction::triggered, this, &TMainForm::WeatherButtonClick);
  QAction* openMeasured = AddItem(OpenMenu, "OpenMeasuredItem", "Open &measured data...");
  connect(openMeasured, &QAction::triggered, this, &TMainForm::MeasuredItemClick);
  // A click opens a chart file as before; holding the button down, or the right button, opens
  // the menu.
  OpenButton->setMenu(OpenMenu);
  OpenButton->setPopupMode(QToolButton::DelayedPopup);
  OpenButton->installEventFilter(this);
  CreateOverflow();
}

void TMainForm::CreateOverflow() {
  OverflowMenu = new QMenu(this);
  OverflowMenu->setObjectName(QStringLiteral("OverflowMenu"));
  const std::pair<const char*, void (TMainForm::*)()> items[] = {
      {"Print &Chart...", &TMainForm::PrintChartButtonClick},
      {"&Export Picture...", &TMainForm::ExportButtonClick},
      {"Open &Weather...", &TMainForm::WeatherButtonClick},
      {"&Process Table...", &TMainForm::ProcessButtonClick},
  };
  for (const auto& [caption, handler] : items) {
    connect(OverflowMenu->addAction(QString::fromUtf8(caption)), &QAction::triggered, this,
            handler);
  }
  // Placed with the panels beside the toolbar (ShowSidePanelsThatFit).
  OverflowButton = new QToolButton(this);
  OverflowButton->setObjectName(QStringLiteral("OverflowButton"));
  OverflowButton->setText(QString::fromUtf8("\u00BB"));
  OverflowButton->setToolTip(QStringLiteral("More commands"));
  OverflowButton->setAutoRaise(true);
  OverflowButton->setFocusPolicy(Qt::NoFocus);
  OverflowButton->setMenu(OverflowMenu);
  OverflowButton->setPopupMode(QToolButton::InstantPopup);
  OverflowButton->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
}

void TMainForm::HandleOpenButtonClick(Qt::MouseButton button) {
  if (button != Qt::RightButton || !hooks_.popUp) return;
  const QPoint corner(MainPanel->x() + OpenButton->x(),
                      MainPanel->y() + OpenButton->y() + OpenButton->height());
  hooks_.popUp(*OpenMenu, mapToGlobal(corner));
}

void TMainForm::ShowSidePanelsThatFit() {
  // Each panel while it and the overflow button after it fit; the button follows the last.
  int right = MainPanel->geometry().right();
  bool fits = true;
  for (QFrame* panel : {OutputPanel, WeatherPanel, ProcessPanel}) {
    fits = fits && panel->geometry().right() + 2 + kOverflowWidth < width();
    panel->setVisible(fits);
    if (fits) right = panel->geometry().right();
  }
  if (right + 2 + kOverflowWidth < width()) {
    OverflowButton->setGeometry(right + 2, MainPanel->y(), kOverflowWidth, MainPanel->height());
  } else {
    // No room beside the toolbar at its narrowest: over the right end of its banner.
    const QRect banner = Image1->geometry().translated(MainPanel->pos());
    OverflowButton->setGeometry(banner.right() + 1 - kBannerButtonWidth, banner.top(),
                                kBannerButtonWidth, banner.height());
  }
  OverflowButton->raise();
}
void TMainForm::CreateChartArea() {
  GraphPanel = new QWidget(this);
  GraphPanel->setObjectName(QStringLiteral("GraphPanel"));
  GraphPanel->setGeometry(-1, 90, 449, 316);
  GraphCanvas = new ChartImage(GraphPanel);
  GraphCanvas->SetRepaintHandler([this] { session_.Changed(); });
  GraphCanvas->setObjectName(QStringLiteral("GraphCanvas"));
  GraphCanvas->setGeometry(1, 1, 1600, 1200);
  for (QWidget* area : {GraphPanel, static_cast<QWidget*>(GraphCanvas)}) {
    area->setMouseTracking(true);
    area->installEventFilter(this);
  }
}

void TMainForm::CreateBottomPanels() {
  ButtonPanel = MakePanel(this, "ButtonPanel", QRect(3, 406, 98, 24));
  ZoomInButton =
      AddButton(ButtonPanel, "ZoomInButton", QRect(1, 1, 24, 22), ":/icons/zoom_in.svg", "Zoom in");
  FitButton =
      AddButton(ButtonPanel, "FitButton", QRect(25, 1, 24, 22), ":/icons/fit.svg", "Zoom to fit");
  ZoomOutButton = AddButton(ButtonPanel, "ZoomOutButton", QRect(49, 1, 24, 22),
                            ":/icons/zoom_out.svg", "Zoom out");
  SetupButton = AddButton(ButtonPanel, "SetupButton", QRect(73, 1, 24, 22), ":/icons/setup.svg",
                          "Edit graph settings");
  for (QToolButton* button : ButtonPanel->findChildren<QToolButton*>()) {
    button->setIconSize(kViewIconSize);
  }
  connect(ZoomInButton, &QToolButton::clicked, this, &TMainForm::ZoomInButtonClick);
  connect(FitButton, &QToolButton::clicked, this, &TMainForm::FitButtonClick);
  connect(ZoomOutButton, &QToolButton::clicked, this, &TMainForm::ZoomOutButtonClick);
  connect(SetupButton, &QToolButton::clicked, this, &TMainForm::SetupButtonClick);

  StatusPanel = new QLabel(this);
  StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
  StatusPanel->setGeometry(105, 406, 341, 24);
  StatusPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StatusPanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  StatusPanel->setTextFormat(Qt::PlainText);
  StatusPanel->installEventFilter(this);
}

QAction* TMainForm::AddItem(QMenu* menu, const char* name, const char* caption) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

void TMainForm::CreateMenus() {
  HighlightMenu = new QMenu(this);
  HighlightMenu->setObjectName(QStringLiteral("HighlightMenu"));
  RelativeCursor1 = AddItem(HighlightMenu, "RelativeCursor1", "&Relative Cursor");
  auto* group = new QActionGroup(HighlightMenu);
  // One mode at most, and none once the mode in force is chosen again.
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const HighlightItem& entry : kHighlightItems) {
    if (entry.tag == 1 || entry.tag == 8) HighlightMenu->addSeparator();
    QAction* item = AddItem(HighlightMenu, entry.name, entry.caption);
    item->setData(entry.tag);
    item->setCheckable(true);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, item] { HighlightEvent(*item); });
  }
  HighlightMenu->addSeparator();
  QAction* addNode = AddItem(HighlightMenu, "AddNode2", "Add N&ode at Cursor");
  QAction* editNodes = AddItem(HighlightMenu, "AddEditNodes1", "Add/Edit &Nodes...");
  QAction* clearNodes = AddItem(HighlightMenu, "ClearNodes1", "Clear Nodes");
  HighlightMenu->addSeparator();
  QAction* editGraph = AddItem(HighlightMenu, "EditGrapg1", "Edit &Graph...");

  PtsMenu = new QMenu(this);
  PtsMenu->setObjectName(QStringLiteral("PtsMenu"));
  QAction* insertNode = AddItem(PtsMenu, "AddNode1", "&Insert Node");
  QAction* deleteNode = AddItem(PtsMenu, "Delete1", "&Delete Node");
  QAction* editNode = AddItem(PtsMenu, "Edit1", "&Edit Node...");
  QAction* processTable = AddItem(PtsMenu, "ProcessTable1", "&Process Table...");

  NodesMenu = new QMenu(this);
  NodesMenu->setObjectName(QStringLiteral("NodesMenu"));
  RelativeCursor2 = AddItem(NodesMenu, "RelativeCursor2", "&Relative Cursor");
  QAction* addAtCursor = AddItem(NodesMenu, "AddNodeatCursor1", "&Add Node at Cursor");
  QAction* editGraph2 = AddItem(NodesMenu, "MenuItem3", "&Edit Graph...");
  QAction* processTable2 = AddItem(NodesMenu, "ProcessTable2", "&Process Table...");

  RelativeCursor1->setCheckable(true);
  RelativeCursor2->setCheckable(true);
  // The handler sets the check marks itself, from the chart's mode.
  for (QAction* item : {RelativeCursor1, RelativeCursor2}) {
    connect(item, &QAction::triggered, this, &TMainForm::RelativeValues);
  }
  for (QAction* item : {addNode, addAtCursor}) {
    connect(item, &QAction::triggered, this, &TMainForm::AddNodeEvent);
  }
  for (QAction* item : {editNodes, editNode}) {
    connect(item, &QAction::triggered, this, &TMainForm::EditNodeEvent);
  }
  for (QAction* item : {editGraph, editGraph2}) {
    connect(item, &QAction::triggered, this, &TMainForm::SetupButtonClick);
  }
  for (QAction* item : {processTable, processTable2}) {
    connect(item, &QAction::triggered, this, &TMainForm::ProcessButtonClick);
  }
  connect(clearNodes, &QAction::triggered, this, &TMainForm::ClearNodes);
  connect(insertNode, &QAction::triggered, this, &TMainForm::InsertNodeEvent);
  connect(deleteNode, &QAction::triggered, this, &TMainForm::DeleteNodeEvent);
}

void TMainForm::CreateShortcuts() {
  // Keys the chart gives no meaning of its own, as desktop programs use them.
  const std::pair<QKeySequence, QToolButton*> shortcuts[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_O), OpenButton},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), SaveButton},
      {QKeySequence(Qt::CTRL | Qt::Key_P), PrintButton},
      {QKeySequence(Qt::CTRL | Qt::Key_C), ClipBdButton},
      {QKeySequence(Qt::Key_F1), HelpButton},
  };
  for (const auto& [keys, button] : shortcuts) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
  }
  // Ctrl+S saves to the chart's own file; the Save button always asks where.
  auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
  connect(save, &QShortcut::activated, this, &TMainForm::SaveInPlace);
}

}  // namespace hygrovia
