#include <unistd.h>
#include <filesystem>
#include <string>
#include <system_error>

#include <benchmark/benchmark.h>

#include "session/chart_session.h"
#include "model/chart_settings.h"
#include "data/chart_file.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// A chart holding the most nodes a file can, spread over the default chart.
struct FullChart {
  ChartSession session;
  DrawingSurface& surface = session.Surface();
  AirState& cursorState = session.CursorState();
  AirState& arrowState = session.ArrowState();
  ChartSettings& chart = session.Settings();

  FullChart() {
    for (int i = 0; i < NodeList::kCapacity; ++i) {
      const auto n = static_cast<float>(i);
      chart.Nodes.AppendPoint(2.0f * n, 0.5f + 0.25f * n);
    }
  }
};

// A file in the system's scratch folder, removed again at the end.
struct ScratchFile {
  std::filesystem::path path = std::filesystem::temp_directory_path() /
                               ("hygrovia_bench_" + std::to_string(::getpid()) + ".hgv");
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
};

// Saving a 24-node chart: the text written to a new file renamed over the old one.
void BM_SaveChartFile(benchmark::State& state) {
  const FullChart full;
  const ScratchFile file;
  for (auto _ : state) {
    if (!SaveChartFile(file.path, full.chart).Ok()) state.SkipWithError("the chart was not saved");
  }
}
BENCHMARK(BM_SaveChartFile)->Unit(benchmark::kMicrosecond);

// Loading it back: the file read, ranges applied and the view fitted.
void BM_LoadChartFile(benchmark::State& state) {
  const ScratchFile file;
  if (!SaveChartFile(file.path, FullChart().chart).Ok()) {
    state.SkipWithError("the chart was not saved");
    return;
  }
  FullChart target;
  for (auto _ : state) {
    if (!LoadChartFile(file.path, target.chart).Ok()) state.SkipWithError("the chart was not read");
  }
}
BENCHMARK(BM_LoadChartFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hygrovia
