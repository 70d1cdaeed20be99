#include <benchmark/benchmark.h>

#include "chart/chart_settings.h"
#include "chart/node_list.h"
#include "chart/process_cells.h"
#include "chart/process_table.h"
#include "chart/quantity_text.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// The whole process table as a drag rebuilds it at every mouse move: 24 points with their 23
// steps, the cursor, its step and the arrow, computed and written as cells. The goal is well
// under a millisecond.
void BM_RebuildProcessTable(benchmark::State& state) {
  DrawingSurface surface;
  AirState cursor;
  AirState arrow;
  ChartSettings chart(surface, cursor, arrow);
  for (int i = 0; i < NodeList::kCapacity; ++i) {
    const float t = 5.0f + 1.5f * static_cast<float>(i);
    chart.Nodes.AppendPoint(t, 0.4f * t);
  }
  chart.SetRelativeCursor(true);
  const QuantityText text = QuantityText::Si();
  const Airflow flow{1.0, FlowUnit::CubicMetresPerSecond};
  ProcessTable table;
  std::vector<std::string> cells;
  for (auto _ : state) {
    BuildProcessTable(chart, flow, table);
    for (const ProcessRow& row : table.Rows) ProcessRowCells(row, text, cells);
    benchmark::DoNotOptimize(cells.data());
  }
  state.counters["rows"] = static_cast<double>(table.Rows.size());
}
BENCHMARK(BM_RebuildProcessTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hygrovia
