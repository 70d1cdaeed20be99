// The two chart styles side by side: a full drawing on a raster image the size of a large
// screen and of a 4K one, and one step of a cursor drag in a 4K main window (the move, the
// data table and the repaint it causes).
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

#include "session/chart_session.h"
#include "app/output/qt_canvas.h"
#include "app/main/main_form.h"
#include "drawing/chart_drawing.h"
#include "model/chart_settings.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "support/recording_control.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

ChartStyleName StyleOf(const benchmark::State& state) {
  return state.range(0) == 0 ? ChartStyleName::Classic : ChartStyleName::Clear;
}

// The default chart in a style on a raster image of the given size, with the program's font.
struct StyledImageChart {
  QImage image;
  QtCanvas canvas;
  testing::RecordingControl control;
  ChartSession session;
  DrawingSurface& surface = session.Surface();
  AirState& cursorState = session.CursorState();
  AirState& arrowState = session.ArrowState();
  ChartSettings& chart = session.Settings();
  StatusLine status;

  StyledImageChart(ChartStyleName style, int width, int height)
      : image(width, height, QImage::Format_RGB32), control(width, height) {
    canvas.SetFont(QStringLiteral("Arial"), 8);
    canvas.SetDevice(&image);
    surface.Attach(&canvas, &control);
    chart.SetChartStyle(style);
  }

  void DrawWhole() {
    surface.Clear(chart.Style().Background());
    DrawChart(chart, status);
  }
};

// Arguments: style (0 Classic, 1 Clear), width, height.
void BM_StyledFullDrawing(benchmark::State& state) {
  StyledImageChart chart(StyleOf(state), static_cast<int>(state.range(1)),
                         static_cast<int>(state.range(2)));
  for (auto _ : state) chart.DrawWhole();
  state.SetLabel(state.range(0) == 0 ? "Classic" : "Clear");
}
BENCHMARK(BM_StyledFullDrawing)
    ->Args({0, 1600, 1200})
    ->Args({1, 1600, 1200})
    ->Args({0, 3840, 2160})
    ->Args({1, 3840, 2160})
    ->Unit(benchmark::kMillisecond);

// One mouse move of a cursor drag in a 3840 by 2160 main window, painted: the marks moved
// (by XOR in Classic, over the cached picture in Clear), the data table and the repaint.
void BM_StyledDragStep4K(benchmark::State& state) {
  ChartSession session;
  DrawingSurface& surface = session.Surface();
  ChartSettings& chart = session.Settings();
  TMainForm form{session};
  form.resize(3840, 2160);
  form.show();
  chart.SetChartStyle(StyleOf(state));
  form.Redraw();
  QWidget& canvas = *form.findChild<QWidget*>(QStringLiteral("GraphCanvas"));
  const auto pixel = [&surface](ChartPoint p) {
    const PointF d = surface.WorldToDevice(p.X, p.Y);
    return QPoint(static_cast<int>(d.x), static_cast<int>(d.y));
  };
  const auto mouse = [&canvas](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                               QPoint at) {
    QMouseEvent event(type, at, canvas.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &event);
  };
  const QPoint a = pixel(chart.Cursor);
  const QPoint b = a + QPoint(40, -30);
  mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, a);
  QApplication::processEvents();
  bool there = false;
  for (auto _ : state) {
    mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, there ? a : b);
    QApplication::processEvents();
    there = !there;
  }
  mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, a);
  state.SetLabel(state.range(0) == 0 ? "Classic" : "Clear");
}
BENCHMARK(BM_StyledDragStep4K)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hygrovia
