// The main window's mouse, keys, resizing, closing and command line.
#include <QByteArray>
#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QShowEvent>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "app/commands/chart_keys.h"
#include "app/commands/command_line.h"
#include "app/main/main_form.h"
#include "app/widgets/chart_image.h"
#include "app/widgets/virtual_key_map.h"
#include "base/result.h"
#include "data/chart_file.h"
#include "drawing/chart_cursor.h"
#include "drawing/chart_drawing.h"
#include "drawing/highlight_captions.h"
#include "model/chart_settings.h"
#include "model/status_line.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// DragButton while the left button drags a point, and while the right button pans.
constexpr std::uint8_t kLeftDrag = 0;
constexpr std::uint8_t kRightDrag = 1;

// One notch of the wheel zooms as much as a zoom button; a notch is 120 eighths of a degree.
constexpr float kWheelZoom = 1.1f;
constexpr float kNotch = 120.0f;
// A pan draws the whole chart at every step while a drawing fits in a 60 Hz frame.
constexpr double kFrameMilliseconds = 1000.0 / 60.0;

bool IsTabKey(const QEvent& event) {
  if (event.type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent&>(event).key();
  return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

}  // namespace

void TMainForm::ProcessCommandLine(const std::vector<std::string>& arguments) {
  CommandLineActions actions;
  bool loaded = false;
  actions.loadFile = [this, &loaded](const std::string& fileName) {
    // The name's bytes, as the command line gave them.
    const Result<> result = LoadFile(std::filesystem::path(fileName),
                                     QFile::decodeName(QByteArray::fromStdString(fileName)), false);
    if (result.Ok()) {
      loaded = true;
    } else {
      std::cerr << "hygrovia: " << result.Message() << '\n';
    }
  };
  actions.toggleRelativeCursor = [this] { RelativeValues(); };
  actions.reportError = [](const std::string& message) {
    std::cerr << "hygrovia: " << message << '\n';
  };
  hygrovia::ProcessCommandLine(arguments, settings_, actions);
  if (loaded || !fileName_.isEmpty()) {
    NoteChanges();
    ForgetHistory();
    return;
  }
  // A new chart starts as the options made it, with its points held to the ranges as the
  // first drawing holds them.
  HandleResize();
  TakeAsSaved(QString());
  ForgetHistory();
}

bool TMainForm::event(QEvent* event) {
  // Tab is a chart key here, not a move of the focus.
  if (IsTabKey(*event)) {
    keyPressEvent(static_cast<QKeyEvent*>(event));
    return true;
  }
  return QWidget::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
  if (watched == SettingsButton && press) {
    HandleSettingsButtonClick(static_cast<QMouseEvent*>(event)->button());
    return false;
  }
  if (watched == PrintButton && press) {
    HandlePrintButtonClick(static_cast<QMouseEvent*>(event)->button());
    return false;
  }
  if (watched == OpenButton && press) {
    HandleOpenButtonClick(static_cast<QMouseEvent*>(event)->button());
    return false;
  }
  if (watched == StatusPanel && press) {
    StatusPanelClick();
    return false;
  }
  if (watched != GraphPanel && watched != GraphCanvas) return QWidget::eventFilter(watched, event);
  auto* area = static_cast<QWidget*>(watched);
  if (type == QEvent::Leave && watched == GraphPanel) MouseLeftChart();
  if (type == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    WheelZoom(*wheel, GraphCanvas->mapFrom(area, wheel->position()).toPoint());
    return true;
  }
  if (!press && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  // Whichever of the two received it, the position is taken in the chart picture's pixels.
  const QPoint at = GraphCanvas->mapFrom(area, mouse->position()).toPoint();
  if (press) {
    ProcessMouseDown(mouse->button(), at.x(), at.y());
  } else if (type == QEvent::MouseMove) {
    ProcessMouseMove(at.x(), at.y());
  } else {
    ProcessMouseUp(mouse->button());
    NoteChanges();
  }
  ShowPointerShape(at.x(), at.y());
  // What the handlers drew into the chart picture (moved marks, the table) must reach the
  // screen; the paint is queued, so a burst of moves costs one paint.
  ShowChartChanges();
  return true;
}

QPoint TMainForm::ScreenPoint(int x, int y) const {
  return mapToGlobal(QPoint(GraphPanel->x() + x, GraphPanel->y() + y));
}

void TMainForm::ProcessMouseDown(Qt::MouseButton button, int x, int y) {
  DrawingSurface& surface = settings_.Surface();
  if (button == Qt::RightButton) {
    if (GrabAt(settings_, x, y, false)) {
      QMenu& menu = settings_.DragTarget == DragTarget::Node ? *PtsMenu : *NodesMenu;
      if (hooks_.popUp) hooks_.popUp(menu, ScreenPoint(x, y));
      return;
    }
    // The press's implicit grab keeps the moves and the release on this control.
    surface.DragPan(x, y, false);
    surface.DragButton = kRightDrag;
  } else if (button == Qt::LeftButton) {
    GrabAt(settings_, x, y, true);
    surface.DragButton = kLeftDrag;
  }
}

void TMainForm::ProcessMouseMove(int x, int y) {
  DrawingSurface& surface = settings_.Surface();
  if (surface.DragButton == kRightDrag && surface.DragPan(x, y, true)) {
    if (lastDrawMilliseconds_ <= kFrameMilliseconds) {
      Redraw();
      return;
    }
    // Where a drawing takes longer than a frame, only the grid and the outline follow.
    surface.Clear(settings_.Style().Background());
    surface.DrawGrid();
    DrawChartOutline(settings_);
    GraphCanvas->RepaintNow();
    return;
  }
  if (surface.DragButton == kLeftDrag) {
    DragTo(settings_, x, y);
    // The point as its mark and the table show it, held to the ranges and to saturation.
    status_.SetText(HeldStatusText(settings_, settings_.DragTarget));
    return;
  }
  const std::string before = status_.Text();
  TrackMouse(settings_, status_, x, y);
  if (status_.Text() != before) ShowHoursInCell(x, y);
}

void TMainForm::ProcessMouseUp(Qt::MouseButton button) {
  DrawingSurface& surface = settings_.Surface();
  if (button == Qt::RightButton && surface.DragButton == kRightDrag) {
    Redraw();
  } else if (button == Qt::LeftButton && surface.DragButton == kLeftDrag) {
    const std::int32_t held = settings_.DragTarget;
    EndDrag(settings_, status_);
    // Without a highlight caption to show, the point dragged stays read out.
    if (settings_.Highlight == HighlightMode::None) {
      status_.SetText(HeldStatusText(settings_, held));
    }
  }
  surface.DragButton = DrawingSurface::kNoDrag;
}

void TMainForm::WheelZoom(const QWheelEvent& wheel, QPoint at) {
  // A zoom in the middle of a drag would strand the marks it moves.
  DrawingSurface& surface = settings_.Surface();
  if (surface.DragButton != DrawingSurface::kNoDrag) return;
  const int delta = wheel.angleDelta().y();
  if (delta == 0) return;
  const float factor = std::pow(kWheelZoom, static_cast<float>(delta) / kNotch);
  if (surface.ZoomAboutPoint(factor, at.x(), at.y())) Redraw();
}

void TMainForm::MouseLeftChart() {
  if (settings_.Surface().DragButton != DrawingSurface::kNoDrag) return;
  // Nothing is read out off the chart; a highlight keeps its caption.
  status_.SetText(HighlightCaption(settings_.Highlight, settings_.GetUnits()));
}

void TMainForm::ShowPointerShape(int x, int y) {
  Qt::CursorShape shape = Qt::CrossCursor;
  if (settings_.Surface().DragButton != DrawingSurface::kNoDrag) {
    shape = Qt::ClosedHandCursor;
  } else if (IsOverMark(settings_, x, y)) {
    shape = Qt::OpenHandCursor;
  }
  if (GraphPanel->cursor().shape() != shape) GraphPanel->setCursor(shape);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  const int key = VirtualKeyOf(event->key(), event->modifiers());
  if (key == kNoVirtualKey) {
    QWidget::keyPressEvent(event);
    return;
  }
  HandleKeyDown(key, event->modifiers().testFlag(Qt::ControlModifier),
                event->modifiers().testFlag(Qt::ShiftModifier));
  NoteChanges();
}

void TMainForm::keyReleaseEvent(QKeyEvent* event) {
  // A held key repeats as press and release pairs; only the real release counts.
  if (event->isAutoRepeat()) return;
  HandleKeyUp();
}

void TMainForm::HandleKeyDown(int virtualKey, bool ctrl, bool shift) {
  ChartKeyDown(settings_, status_, virtualKey, ctrl, shift);
}

void TMainForm::HandleKeyUp() { ChartKeyUp(settings_); }

void TMainForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  HandleResize();
}

void TMainForm::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  ApplyOuterSize();
}

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ApplyOuterSize();
  setFocus();
  // A screen of another pixel density needs a picture of that density.
  if (QWindow* window = windowHandle()) {
    connect(window, &QWindow::screenChanged, this, &TMainForm::HandleResize, Qt::UniqueConnection);
  }
}

void TMainForm::AttachSurface() {
  if (GraphCanvas->PictureTooSmall()) {
    canvas_.SetDevice(nullptr);
    GraphCanvas->GrowPicture();
  }
  if (canvas_.Device() == nullptr) canvas_.SetDevice(&GraphCanvas->Picture());
  settings_.Surface().Attach(&canvas_, GraphCanvas);
}

void TMainForm::HandleResize() {
  const int w = width();
  const int h = height();
  // A window smaller than its panels leaves them empty rather than of negative size.
  const auto side = [](int length) { return std::max(0, length); };
  ButtonPanel->move(ButtonPanel->x(), h - 2 - ButtonPanel->height());
  StatusPanel->setGeometry(StatusPanel->x(), h - 2 - StatusPanel->height(),
                           side(w - 9 - ButtonPanel->width()), StatusPanel->height());
  GraphPanel->resize(side(w - GraphPanel->x() - 1),
                     side(h - GraphPanel->y() - 3 - StatusPanel->height()));
  GraphCanvas->resize(side(GraphPanel->width() - 3), side(GraphPanel->height() - 3));
  ShowSidePanelsThatFit();
  AttachSurface();
  settings_.ApplyToSurface();
  Redraw();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!MaySetChartAside()) {
    event->ignore();
    return;
  }
  OnCloseEvent();
  event->accept();
}

}  // namespace hygrovia
