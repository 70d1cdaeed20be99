#include <benchmark/benchmark.h>

#include "app/process/process_window.h"
#include "expr/expression_evaluator.h"
#include "process_chart.h"

namespace hygrovia {
namespace {

// What the process table window does at each mouse move of a point dragged on the chart: the
// whole table rebuilt for 24 points with their steps, the cursor and the arrow, and the cells
// whose text changed rewritten in the grid.
void BM_ProcessWindowFollowsADrag(benchmark::State& state) {
  FullProcessChart full;
  ChartSettings& chart = full.chart;
  ExpressionEvaluator evaluator;
  TProcessWindow window(full.session, evaluator);
  window.show();
  float t = 20.0f;
  for (auto _ : state) {
    t = t > 30.0f ? 20.0f : t + 0.1f;
    chart.Nodes.SetNode(12, t, 8.0f);
    window.Refresh();
  }
}
BENCHMARK(BM_ProcessWindowFollowsADrag)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hygrovia
