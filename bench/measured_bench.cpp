#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include <benchmark/benchmark.h>

#include "base/number_text.h"
#include "data/measured_reader.h"

namespace hygrovia {
namespace {

constexpr int kRows = 100000;

// A logger's file of kRows readings a minute apart, as a spreadsheet saves it.
std::filesystem::path WriteLoggerFile() {
  const auto path = std::filesystem::temp_directory_path() /
                    FormatText("hygrovia-bench-%d.csv", static_cast<int>(::getpid()));
  std::ofstream out(path, std::ios::binary);
  out << "Timestamp,Temperature (\xC2\xB0"
         "C),RH (%)\r\n";
  for (int i = 0; i < kRows; ++i) {
    const int minutes = i % (24 * 60);
    const int day = 1 + (i / (24 * 60)) % 28;
    const int month = 1 + i / (24 * 60 * 28);
    out << FormatText("2024-%02d-%02d %02d:%02d:00,%0.1f,%0.1f\r\n", month, day, minutes / 60,
                      minutes % 60, 15.0 + (i % 200) * 0.1, 30.0 + (i % 500) * 0.1);
  }
  return path;
}

// Reading a 100,000-row file of measurements from disk.
void BM_ReadMeasuredCsv(benchmark::State& state) {
  const std::filesystem::path path = WriteLoggerFile();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadMeasuredFile(path, nullptr));
  }
  state.SetItemsProcessed(state.iterations() * kRows);
  std::error_code error;
  std::filesystem::remove(path, error);
}
BENCHMARK(BM_ReadMeasuredCsv)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hygrovia
