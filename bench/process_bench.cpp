#include <benchmark/benchmark.h>

#include "process/process_cells.h"
#include "process/process_table.h"
#include "units/quantity_text.h"
#include "process_chart.h"

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

}  // namespace
}  // namespace hygrovia
