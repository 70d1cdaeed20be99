#include <array>
#include <cstddef>

#include <benchmark/benchmark.h>

#include "psychro/air_state.h"
#include "psychro/chart_formulas.h"

namespace hygrovia {
namespace {

constexpr std::size_t kStateCount = 1024;  // a power of two, so the cycle index is a mask
constexpr double kPressure = 101.365;

struct Sample {
  double dryBulb = 0.0;
  double absHumidity = 0.0;
};

// Unsaturated states spread over 0 to 50 °C and 0.1 to 99.9 % of the saturation moisture, in
// an order that jumps about the chart the way a moving cursor and the data-table rows do.
std::array<Sample, kStateCount> UnsaturatedStates(
    PropertyModel model = PropertyModel::ChartFormulas) {
  AirState air;
  air.Model = model;
  air.Pressure = kPressure;
  std::array<Sample, kStateCount> samples;
  for (std::size_t k = 0; k < kStateCount; ++k) {
    const double dryBulb = 50.0 * static_cast<double>((k * 389) % kStateCount) / (kStateCount - 1);
    const double fraction = static_cast<double>((k * 613) % 999 + 1) / 1000.0;
    samples[k] = {dryBulb, fraction * air.SaturationHumidity(dryBulb)};
  }
  return samples;
}

void BM_SaturationHumidity(benchmark::State& state) {
  const auto samples = UnsaturatedStates();
  AirState air;
  air.Pressure = kPressure;
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(air.SaturationHumidity(samples[k].dryBulb));
    k = (k + 1) & (kStateCount - 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SaturationHumidity);

void BM_SetFromHumidity(benchmark::State& state) {
  const auto samples = UnsaturatedStates();
  AirState air;
  air.Pressure = kPressure;
  std::size_t k = 0;
  for (auto _ : state) {
    air.SetFromHumidity(samples[k].dryBulb, samples[k].absHumidity);
    benchmark::DoNotOptimize(air);
    k = (k + 1) & (kStateCount - 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetFromHumidity);

// The chart formulas' fields as a processor without fused multiply-adds computes them (and
// Microsoft's compiler, which has no way to choose at start-up): the same numbers, slower.
void BM_StateOfWithoutFma(benchmark::State& state) {
  const auto samples = UnsaturatedStates();
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(chart_formulas::portable::StateOf(
        samples[k].dryBulb, samples[k].absHumidity, kPressure, AirState::kSaturationHumidityFloor,
        AirState::kSaturationHumidityCeiling));
    k = (k + 1) & (kStateCount - 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StateOfWithoutFma);

// The full state in the ASHRAE 2017 model: relative humidity, vapour pressure, volume,
// enthalpy, dew point and wet bulb, over the same spread of states.
void BM_SetFromHumidityAshrae(benchmark::State& state) {
  const auto samples = UnsaturatedStates(PropertyModel::Ashrae2017);
  AirState air;
  air.Model = PropertyModel::Ashrae2017;
  air.Pressure = kPressure;
  std::size_t k = 0;
  for (auto _ : state) {
    air.SetFromHumidity(samples[k].dryBulb, samples[k].absHumidity);
    benchmark::DoNotOptimize(air);
    k = (k + 1) & (kStateCount - 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetFromHumidityAshrae);

}  // namespace
}  // namespace hygrovia
