#include <string_view>

#include <benchmark/benchmark.h>

#include "drawing/chart_drawing.h"
#include "model/chart_grid.h"
#include "model/chart_settings.h"
#include "model/status_line.h"
#include "session/chart_session.h"
#include "surface/canvas.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// A canvas that throws every stroke away and only counts them, so the benchmark measures the
// chart's own work: the model, the clipping, the formatting of labels and the transform.
class NullCanvas : public Canvas {
 public:
  void SetPen(Colour /*colour*/, int /*style*/, int /*width*/) override {}
  void SetBrush(Colour /*colour*/, int /*style*/) override {}
  void SetTextColor(Colour colour) override { text_colour_ = colour; }
  Colour TextColor() const override { return text_colour_; }
  void SetMixMode(int mode) override { mix_mode_ = mode; }
  int MixMode() const override { return mix_mode_; }
  void SetOpaqueText(bool opaque) override { opaque_ = opaque; }
  bool OpaqueText() const override { return opaque_; }
  void MoveTo(int /*x*/, int /*y*/) override {}
  void LineTo(int /*x*/, int /*y*/) override { ++strokes_; }
  void TextOut(int /*x*/, int /*y*/, std::string_view /*text*/) override { ++strokes_; }
  int TextWidth(std::string_view text) override { return 6 * static_cast<int>(text.size()); }
  int TextHeight(std::string_view /*text*/) override { return 13; }
  void InvertRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) override {}
  void FillRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) override {}

  long long Strokes() const { return strokes_; }

 private:
  Colour text_colour_ = kBlack;
  int mix_mode_ = kMixCopy;
  bool opaque_ = false;
  long long strokes_ = 0;
};

// Full drawings of the default chart of a unit system in an 800 by 600 window.
void RunDrawChart(benchmark::State& state, UnitSystem units) {
  NullCanvas canvas;
  ChartSession session;
  DrawingSurface& surface = session.Surface();
  surface.Attach(&canvas, nullptr);
  surface.DeviceWidth = 800;
  surface.DeviceHeight = 600;
  ChartSettings& chart = session.Settings();
  if (units == UnitSystem::Ip) {
    chart.SetUnitSystem(units);
    UseDefaultRanges(chart);
  } else {
    chart.ApplyToSurface();
  }
  StatusLine status;
  for (auto _ : state) {
    DrawChart(chart, status);
  }
  benchmark::DoNotOptimize(canvas.Strokes());
  state.SetItemsProcessed(state.iterations());
}

// The default chart: 0 to 50 °C, 0 to 35 g/kg, 101.365 kPa.
void BM_DrawChart(benchmark::State& state) { RunDrawChart(state, UnitSystem::Si); }
BENCHMARK(BM_DrawChart);

// The default inch-pound chart: 30 to 120 °F, 0 to 200 gr/lb.
void BM_DrawChartInchPound(benchmark::State& state) { RunDrawChart(state, UnitSystem::Ip); }
BENCHMARK(BM_DrawChartInchPound);

}  // namespace
}  // namespace hygrovia
