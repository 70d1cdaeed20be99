// Cost of the view transform, one conversion per item: every line, mark and mouse move on
// the chart goes through it.

#include <benchmark/benchmark.h>

#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// The surface as the chart leaves it after fitting 0..50 °C by 0..35 g/kg to a window.
DrawingSurface FittedSurface() {
  DrawingSurface surface;
  surface.SetXRange(0.0f, 50.0f);
  surface.SetYRange(0.0f, 35.0f);
  surface.SetSnap(0.1f, 0.1f);
  surface.Fit(0.95f, 800, 600);
  return surface;
}

void BM_WorldToDevice(benchmark::State& state) {
  const DrawingSurface surface = FittedSurface();
  float x = 0.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(surface.WorldToDevice(x, 17.5f));
    x = x < 50.0f ? x + 0.37f : 0.0f;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_DeviceToWorld(benchmark::State& state) {
  const DrawingSurface surface = FittedSurface();
  int x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(surface.DeviceToWorld(x, 300));
    x = x < 800 ? x + 7 : 0;
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_WorldToDevice);
BENCHMARK(BM_DeviceToWorld);

}  // namespace
}  // namespace hygrovia
