// Feeds arbitrary bytes to the weather file reader or, built with HYGROVIA_FUZZ_MEASURED, to
// the reader of a logger's measured data. Beyond the sanitizers' checks it traps when a year read
// holds a value that is not finite or out of its range, when its counts disagree with its
// hours, or when a name meant to be shown holds a control character or is no UTF-8.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/row_text.h"
#include "data/epw_reader.h"
#include "data/measured_reader.h"

namespace {

bool Sound(const hygrovia::WeatherHour& h) {
  return std::isfinite(h.dryBulb) && std::isfinite(h.dewPoint) && std::isfinite(h.relHumidity) &&
         std::isfinite(h.pressure) && h.dryBulb > -70.0f && h.dryBulb < 70.0f && h.month >= 1 &&
         h.month <= 12 && h.day >= 1 && h.day <= 31 && h.hour <= 23;
}

bool Sound(const hygrovia::WeatherYear& year) {
  if (year.rows != static_cast<int>(year.hours.size()) + year.skipped) return false;
  if (year.missing.size() > static_cast<std::size_t>(year.skipped)) return false;
  for (const hygrovia::WeatherHour& h : year.hours) {
    if (!Sound(h)) return false;
  }
  // Shown text is already printable: making it so again changes nothing.
  return hygrovia::PrintableText(year.location.name) == year.location.name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
#ifdef HYGROVIA_FUZZ_MEASURED
  // The last byte's lowest bit answers the question of the temperatures' scale.
  const auto scale = size > 0 && (data[size - 1] & 1u) ? hygrovia::TemperatureScale::Fahrenheit
                                                       : hygrovia::TemperatureScale::Unknown;
  const hygrovia::Result<hygrovia::WeatherYear> read =
      hygrovia::ReadMeasuredText(text, [scale] { return scale; });
  if (read.Ok() && !Sound(*read)) __builtin_trap();
  if (!read.Ok() && read.Message().empty()) __builtin_trap();
#else
  const hygrovia::Result<hygrovia::WeatherYear> read = hygrovia::ReadWeatherText(text);
  if (read.Ok() && !Sound(*read)) __builtin_trap();
  if (!read.Ok() && read.Message().empty()) __builtin_trap();
#endif
  return 0;
}
