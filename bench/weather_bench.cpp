#include <QImage>
#include <filesystem>

#include <benchmark/benchmark.h>

#include "app/output/qt_canvas.h"
#include "data/epw_reader.h"
#include "drawing/chart_cursor.h"
#include "drawing/chart_drawing.h"
#include "drawing/climate_drawing.h"
#include "model/chart_settings.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "session/chart_session.h"
#include "support/recording_control.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;

const std::filesystem::path kChicago =
    std::filesystem::path(HYGROVIA_BENCH_DATA_DIR) / "chicago-ohare-tmy3.epw";

// The default chart on a 1600 by 1200 image with the program's font, showing the Chicago year.
struct WeatherChart {
  QImage image{kWidth, kHeight, QImage::Format_RGB32};
  QtCanvas canvas{&image};
  ChartSession session;
  DrawingSurface& surface = session.Surface();
  AirState& cursorState = session.CursorState();
  AirState& arrowState = session.ArrowState();
  ChartSettings& chart = session.Settings();
  StatusLine status;
  testing::RecordingControl control{kWidth, kHeight};

  explicit WeatherChart(HoursDisplay display, bool comfort) {
    canvas.SetFont(QStringLiteral("Arial"), 8);
    surface.Attach(&canvas, &control);
    chart.ApplyToSurface();
    chart.Climate.SetWeather(ReadWeatherFile(kChicago).Value(), "chicago-ohare-tmy3.epw");
    chart.Climate.SetDisplay(display);
    chart.Climate.SetShowComfort(comfort);
  }
};

// Reading the Chicago file from disk: 8760 rows of weather.
void BM_ReadChicagoWeather(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadWeatherFile(kChicago));
  state.SetItemsProcessed(state.iterations() * kHoursInYear);
}
BENCHMARK(BM_ReadChicagoWeather)->Unit(benchmark::kMillisecond);

// The year's hours placed on the chart, binned and drawn, as after a change of the filter:
// what the weather adds to a full drawing of the chart.
void BM_BinAndDrawChicagoHours(benchmark::State& state) {
  WeatherChart w(state.range(0) == 0 ? HoursDisplay::Density : HoursDisplay::Dots, false);
  for (auto _ : state) {
    w.chart.Climate.SetFilter({});
    DrawClimateLayer(w.chart);
  }
  state.SetItemsProcessed(state.iterations() * kHoursInYear);
}
BENCHMARK(BM_BinAndDrawChicagoHours)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A full drawing of the chart with the year's density and the comfort zones, as while the
// chart is panned or zoomed with the weather shown (hours and zones kept from before).
void BM_DrawChartWithWeather(benchmark::State& state) {
  WeatherChart w(HoursDisplay::Density, true);
  for (auto _ : state) {
    w.surface.Clear(kButtonFace);
    DrawChart(w.chart, w.status);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawChartWithWeather)->Unit(benchmark::kMillisecond);

// One step of a cursor drag over the year's density and the comfort zones, in a style (0
// Classic, 1 Clear): the marks moved and the data table drawn again.
void BM_DragStepWithWeather(benchmark::State& state) {
  WeatherChart w(HoursDisplay::Density, true);
  w.chart.SetChartStyle(state.range(0) == 0 ? ChartStyleName::Classic : ChartStyleName::Clear);
  w.surface.MarksOverPicture = w.chart.Style().Smooth();
  w.surface.Clear(w.chart.Style().Background());
  DrawChart(w.chart, w.status);
  w.chart.DragTarget = DragTarget::Cursor;
  bool there = false;
  for (auto _ : state) {
    MoveGrabbedTo(w.chart, there ? 20.0f : 30.0f, there ? 8.0f : 12.0f);
    there = !there;
  }
  state.SetLabel(state.range(0) == 0 ? "Classic" : "Clear");
}
BENCHMARK(BM_DragStepWithWeather)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The two comfort zones worked out again, as after a change of the comfort settings or of
// the chart's pressure.
void BM_BuildComfortZones(benchmark::State& state) {
  AirState air;
  air.Pressure = 101.365;
  for (auto _ : state) benchmark::DoNotOptimize(BuildComfortZones(ComfortSettings{}, air));
}
BENCHMARK(BM_BuildComfortZones)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hygrovia
