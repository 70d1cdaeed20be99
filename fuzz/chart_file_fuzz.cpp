// Feeds arbitrary bytes to the chart data file reader. Beyond the sanitizers' checks it traps
// when a load from memory reports failure, when the node list outgrows its capacity, when a
// loaded chart holds a value that is not finite, or when a saved chart does not load back to
// the same text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "data/chart_file.h"
#include "model/chart_settings.h"
#include "session/chart_session.h"

namespace {

bool AllFinite(const hygrovia::ChartSettings& chart) {
  const float values[] = {chart.Cursor.X, chart.Cursor.Y,    chart.Arrow.X,     chart.Arrow.Y,
                          chart.TempMin,  chart.TempMax,     chart.HumidityMin, chart.HumidityMax,
                          chart.TempSnap, chart.HumiditySnap};
  for (const float value : values) {
    if (!std::isfinite(value)) return false;
  }
  return std::isfinite(chart.GetPressure());
}

// The chart's file text after loading text into a fresh chart; sound when the chart holds
// nothing but finite values and at most a full node list, loaded when the text was taken (a
// text without any key is refused and changes nothing).
std::string LoadedText(const std::string& text, bool& sound, bool& loaded) {
  hygrovia::ChartSession session;
  hygrovia::ChartSettings& chart = session.Settings();
  std::istringstream in(text);
  loaded = hygrovia::LoadChartFile(in, chart).Ok();
  sound = AllFinite(chart) && chart.Nodes.Count <= hygrovia::NodeList::kCapacity;
  return hygrovia::ChartFileText(chart);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  bool sound = false;
  bool loaded = false;
  const std::string saved =
      LoadedText(std::string(reinterpret_cast<const char*>(data), size), sound, loaded);
  if (!sound) __builtin_trap();
  // Three decimals lose precision once; from then on a saved chart loads back unchanged.
  if (LoadedText(saved, sound, loaded) != saved || !sound || !loaded) __builtin_trap();
  return 0;
}
