// Cost of evaluating the text of a numeric field, one evaluation per item.

#include <string_view>

#include <benchmark/benchmark.h>

#include "expr/expression_evaluator.h"

namespace hygrovia {
namespace {

void RunEvaluate(benchmark::State& state, std::string_view text) {
  ExpressionEvaluator evaluator;
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(evaluator.Evaluate(text));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateNumber(benchmark::State& state) { RunEvaluate(state, "101.325"); }
void BM_EvaluateArithmetic(benchmark::State& state) { RunEvaluate(state, "25*1.8+32"); }
void BM_EvaluateFunctions(benchmark::State& state) {
  RunEvaluate(state, "DEG(ATAN(SQRT(ABS(-0.25))))+ROUND(LOG(1000))");
}

BENCHMARK(BM_EvaluateNumber);
BENCHMARK(BM_EvaluateArithmetic);
BENCHMARK(BM_EvaluateFunctions);

}  // namespace
}  // namespace hygrovia
