#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "process/process_cells.h"
#include "process/process_table.h"
#include "process_chart.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

// The whole process table as a drag rebuilds it at every mouse move: 24 points with their 23
// steps, the cursor, its step and the arrow, computed and written as cells. The goal is well
// under a millisecond.
void BM_RebuildProcessTable(benchmark::State& state) {
  FullProcessChart full;
  ChartSettings& chart = full.chart;
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

// The same with every point named, the chain's flow taken as standard air and a cooling coil
// at every step, whose apparatus dew point is searched: the goal is under 0.2 ms.
void BM_RebuildNamedProcessTable(benchmark::State& state) {
  FullProcessChart full;
  ChartSettings& chart = full.chart;
  for (int i = 0; i < NodeList::kCapacity; ++i) {
    const float t = 35.0f - 1.0f * static_cast<float>(i);
    chart.Nodes.SetNode(i, t, 18.0f - 0.4f * static_cast<float>(i));
    chart.Nodes.SetName(i, "Point name " + std::to_string(i + 1));
  }
  const QuantityText text = QuantityText::Si();
  const Airflow flow{1.0, FlowUnit::CubicMetresPerSecond};
  ProcessTable table;
  std::vector<std::string> cells;
  for (auto _ : state) {
    BuildProcessTable(chart, flow, FlowReference::StandardAir, table);
    for (const ProcessRow& row : table.Rows) ProcessRowCells(row, text, cells);
    benchmark::DoNotOptimize(cells.data());
  }
  state.counters["rows"] = static_cast<double>(table.Rows.size());
}
BENCHMARK(BM_RebuildNamedProcessTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hygrovia
