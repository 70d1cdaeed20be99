#include <filesystem>
#include <vector>

#include <benchmark/benchmark.h>

#include "climate/adaptive_comfort.h"
#include "climate/design_conditions.h"
#include "data/epw_reader.h"
#include "psychro/air_state.h"

namespace hygrovia {
namespace {

const std::filesystem::path kChicago =
    std::filesystem::path(HYGROVIA_BENCH_DATA_DIR) / "chicago-ohare-tmy3.epw";

// What the weather summary adds for a year: its design conditions (five percentiles with
// their coincident means) and the hours within the adaptive bands, each day's prevailing mean
// worked out again.
void BM_DesignConditionsAndAdaptiveCount(benchmark::State& state) {
  const WeatherYear year = ReadWeatherFile(kChicago).Value();
  AirState air;
  air.Pressure = 101.365;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindDesignConditions(year.hours, air));
    const std::vector<float> prevailing = PrevailingMeans(year.hours);
    benchmark::DoNotOptimize(CountAdaptiveHours(year.hours, prevailing, HourFilter{}));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(year.hours.size()));
}
BENCHMARK(BM_DesignConditionsAndAdaptiveCount)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hygrovia
