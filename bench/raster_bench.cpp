#include <QColor>
#include <QImage>

#include <benchmark/benchmark.h>

#include "app/output/qt_canvas.h"
#include "drawing/chart_cursor.h"
#include "drawing/chart_drawing.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "session/chart_session.h"
#include "support/recording_canvas.h"
#include "support/recording_control.h"
#include "surface/canvas.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;

// The default chart fitted to a drawing area of 1600 by 1200 pixels on the given canvas.
struct FittedChart {
  ChartSession session;
  DrawingSurface& surface = session.Surface();
  AirState& cursorState = session.CursorState();
  AirState& arrowState = session.ArrowState();
  ChartSettings& chart = session.Settings();
  StatusLine status;
  testing::RecordingControl control{kWidth, kHeight};

  explicit FittedChart(Canvas& canvas) { Fit(canvas); }

  // Attaches the canvas and fits the chart, measuring the margins in its current font.
  void Fit(Canvas& canvas) {
    surface.Attach(&canvas, &control);
    chart.ApplyToSurface();
  }

  void DrawWhole() {
    surface.Clear(kButtonFace);
    DrawChart(chart, status);
  }
};

// The default chart on a raster image the size of a large screen, with the program's font.
struct ImageChart {
  QImage image{kWidth, kHeight, QImage::Format_RGB32};
  QtCanvas canvas{&image};
  FittedChart fitted{canvas};

  ImageChart() {
    canvas.SetFont(QStringLiteral("Arial"), 8);
    fitted.Fit(canvas);
  }
};

// The floor of any full drawing: a 1600 by 1200 image filled with one colour. The other
// figures read as multiples of this one on any machine.
void BM_ReferenceFill(benchmark::State& state) {
  QImage image(kWidth, kHeight, QImage::Format_ARGB32);
  bool dark = false;
  for (auto _ : state) {
    image.fill(dark ? QColor(64, 64, 64) : QColor(240, 240, 240));
    benchmark::DoNotOptimize(image.constBits());
    dark = !dark;
  }
}
BENCHMARK(BM_ReferenceFill)->Unit(benchmark::kMicrosecond);

// One full drawing of the chart onto the image, as every change of the chart costs.
void BM_DrawChartOnImage(benchmark::State& state) {
  ImageChart chart;
  for (auto _ : state) chart.fitted.DrawWhole();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawChartOnImage)->Unit(benchmark::kMillisecond);

// The same drawing in the ASHRAE 2017 model, whose wet-bulb and volume lines are polylines.
void BM_DrawChartOnImageAshrae(benchmark::State& state) {
  ImageChart chart;
  chart.fitted.chart.SetPropertyModel(PropertyModel::Ashrae2017);
  for (auto _ : state) chart.fitted.DrawWhole();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawChartOnImageAshrae)->Unit(benchmark::kMillisecond);

// The same drawing of the default inch-pound chart (30 to 120 °F, 0 to 200 gr/lb), whose
// lines every °F and every Btu/lb are about twice as many.
void BM_DrawChartOnImageInchPound(benchmark::State& state) {
  ImageChart chart;
  chart.fitted.chart.SetUnitSystem(UnitSystem::Ip);
  UseDefaultRanges(chart.fitted.chart);
  for (auto _ : state) chart.fitted.DrawWhole();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawChartOnImageInchPound)->Unit(benchmark::kMillisecond);

// One step of a cursor drag on the image: the marks erased and drawn again by XOR, the data
// table rebuilt and drawn.
void BM_DragStepOnImage(benchmark::State& state) {
  ImageChart chart;
  ChartSettings& settings = chart.fitted.chart;
  chart.fitted.DrawWhole();
  settings.DragTarget = DragTarget::Cursor;
  bool there = false;
  for (auto _ : state) {
    MoveGrabbedTo(settings, there ? 20.0f : 30.0f, there ? 8.0f : 12.0f);
    there = !there;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DragStepOnImage)->Unit(benchmark::kMicrosecond);

// One full drawing onto the canvas the tests use, which keeps every primitive.
void BM_DrawChartOnRecordingCanvas(benchmark::State& state) {
  testing::RecordingCanvas canvas;
  FittedChart chart(canvas);
  for (auto _ : state) {
    canvas.ClearRecord();
    chart.DrawWhole();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawChartOnRecordingCanvas)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hygrovia
