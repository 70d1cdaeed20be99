#include <QApplication>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include "session/chart_session.h"
#include "app/main/main_form.h"
#include "model/chart_settings.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// The main window at 800 by 600 on a fresh default chart, shown on the offscreen platform.
struct ShownWindow {
  ChartSession session;
  DrawingSurface& surface = session.Surface();
  AirState& cursorState = session.CursorState();
  AirState& arrowState = session.ArrowState();
  ChartSettings& chart = session.Settings();
  StatusLine status;
  TMainForm form{session};

  explicit ShownWindow(QSize size = QSize(800, 600)) {
    form.resize(size);
    form.show();
  }

  QWidget& Canvas() { return *form.findChild<QWidget*>(QStringLiteral("GraphCanvas")); }

  QPoint PixelOf(ChartPoint p) const {
    const PointF d = surface.WorldToDevice(p.X, p.Y);
    return QPoint(static_cast<int>(d.x), static_cast<int>(d.y));
  }

  void Mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
    QMouseEvent event(type, at, Canvas().mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&Canvas(), &event);
  }
};

// Counts the paints of the chart control.
class PaintWatch : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
  bool painted = false;
};

// From making the main window to the first chart painted on screen, as at start-up.
void BM_WindowToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    ChartSession session;
    TMainForm form{session};
    PaintWatch watch;
    form.findChild<QWidget*>(QStringLiteral("GraphCanvas"))->installEventFilter(&watch);
    form.show();
    QDeadlineTimer deadline(5000);
    while (!watch.painted && !deadline.hasExpired()) QApplication::processEvents();
  }
}
BENCHMARK(BM_WindowToFirstPaint)->Unit(benchmark::kMillisecond);

// One full drawing of the chart into the window's picture, shown at once.
void BM_MainWindowRedraw(benchmark::State& state) {
  ShownWindow window;
  for (auto _ : state) window.form.Redraw();
}
BENCHMARK(BM_MainWindowRedraw)->Unit(benchmark::kMillisecond);

// One mouse move while the cursor is dragged: marks, data table and read-out.
void BM_CursorDragStep(benchmark::State& state) {
  ShownWindow window;
  const QPoint a = window.PixelOf({20, 8});
  const QPoint b = window.PixelOf({30, 12});
  window.Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, a);
  bool there = false;
  for (auto _ : state) {
    window.Mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, there ? a : b);
    there = !there;
  }
  window.Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, a);
}
BENCHMARK(BM_CursorDragStep)->Unit(benchmark::kMicrosecond);

// One mouse move while the chart is panned.
void BM_PanStep(benchmark::State& state) {
  ShownWindow window;
  const QPoint start = window.PixelOf({10, 25});
  window.Mouse(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, start);
  int step = 0;
  for (auto _ : state) {
    window.Mouse(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, start + QPoint(step % 40, 0));
    ++step;
  }
  window.Mouse(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, start);
}
BENCHMARK(BM_PanStep)->Unit(benchmark::kMicrosecond);

// One mouse move while the chart is panned with a chart picture of 1600 by 1200 (the window
// lays out 3 pixels across and 120 down around it): the whole chart is drawn at every step.
void BM_FullChartPanStep(benchmark::State& state) {
  ShownWindow window(QSize(1603, 1320));
  const QPoint start = window.PixelOf({10, 25});
  window.Mouse(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, start);
  int step = 0;
  for (auto _ : state) {
    window.Mouse(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, start + QPoint(step % 40, 0));
    ++step;
  }
  window.Mouse(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, start);
  state.counters["chart_width"] = window.surface.DeviceWidth;
  state.counters["chart_height"] = window.surface.DeviceHeight;
}
BENCHMARK(BM_FullChartPanStep)->Unit(benchmark::kMillisecond);

// A resize: layout, a fitted view and a full drawing.
void BM_Resize(benchmark::State& state) {
  ShownWindow window;
  bool wide = false;
  for (auto _ : state) {
    window.form.resize(wide ? 900 : 800, 600);
    wide = !wide;
  }
}
BENCHMARK(BM_Resize)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hygrovia

// The window needs an application object; the values kept between runs go to a private
// folder so that the user's own stay untouched.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  }
  QApplication app(argc, argv);
  QTemporaryDir store;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
