#include "data/persisted_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>
#include <fmt/format.h>

#include "model/chart_settings.h"
#include "base/number_text.h"
#include "data/chart_file.h"
#include "psychro/air_state.h"

namespace hygrovia {
namespace {

// A window side read from the front of text as "%d" reads it: white space, an optional sign
// and the digits up to the first other character. text then starts after them.
std::optional<int> ReadSide(std::string_view& text) {
  std::size_t start = std::min(text.find_first_not_of(" \t\n\r\v\f"), text.size());
  // from_chars takes a minus sign but not a plus sign.
  if (start < text.size() && text[start] == '+') ++start;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (error != std::errc()) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  if (value < 1 || value > WindowSize::kLargestSide) return std::nullopt;
  return value;
}

// A coordinate read from the front of text, which then starts after it.
std::optional<float> ReadCoordinate(std::string_view& text) {
  const std::optional<ParsedNumber> parsed = ParseNumber(text);
  if (!parsed || !std::isfinite(parsed->value) ||
      std::fabs(parsed->value) > std::numeric_limits<float>::max()) {
    return std::nullopt;
  }
  text.remove_prefix(parsed->length);
  return static_cast<float>(parsed->value);
}

std::optional<ChartPoint> ReadPoint(std::string_view& text) {
  const std::optional<float> x = ReadCoordinate(text);
  if (!x) return std::nullopt;
  const std::optional<float> y = ReadCoordinate(text);
  if (!y) return std::nullopt;
  return ChartPoint{*x, *y};
}

}  // namespace

std::string PropertiesText(PropertyModel model) {
  return std::string(model == PropertyModel::Ashrae2017 ? kAshraeModelWord : "Chart");
}

PropertyModel PropertiesFromText(std::string_view text) {
  return text == kAshraeModelWord ? PropertyModel::Ashrae2017 : PropertyModel::ChartFormulas;
}

std::string UnitsText(UnitSystem system) { return system == UnitSystem::Ip ? "IP" : "SI"; }

UnitSystem UnitsFromText(std::string_view text) {
  return text == "IP" ? UnitSystem::Ip : UnitSystem::Si;
}

WindowSize WindowSizeFromText(std::string_view text) {
  const std::optional<int> width = ReadSide(text);
  const std::optional<int> height = width ? ReadSide(text) : std::nullopt;
  if (!height) return WindowSize{};
  return WindowSize{*width, *height};
}

std::string WindowSizeText(WindowSize size) { return fmt::format("{} {}", size.Width, size.Height); }

std::optional<SetupPositions> SetupFromText(std::string_view text) {
  const std::optional<ChartPoint> cursor = ReadPoint(text);
  const std::optional<ChartPoint> arrow = cursor ? ReadPoint(text) : std::nullopt;
  if (!arrow) return std::nullopt;
  return SetupPositions{*cursor, *arrow};
}

std::string SetupText(const ChartSettings& chart) {
  const AirState& cursor = chart.CursorState();
  // The arrow's air state is computed only while the arrow is shown; its position always
  // holds where the user left it.
  ChartPoint arrow = chart.Arrow;
  chart.ConstrainPoint(arrow, VerticalAxisUnits::AbsoluteHumidity);
  return fmt::format("{:.2f} {:.2f} {:.2f} {:.2f}", cursor.DryBulb, cursor.AbsHumidity,
                    static_cast<double>(arrow.X), static_cast<double>(arrow.Y));
}

void ApplySetup(ChartSettings& chart, const SetupPositions& positions) {
  ChartPoint cursor = positions.Cursor;
  ChartPoint arrow = positions.Arrow;
  chart.ConstrainPoint(cursor, VerticalAxisUnits::AbsoluteHumidity);
  chart.ConstrainPoint(arrow, VerticalAxisUnits::AbsoluteHumidity);
  chart.Cursor = cursor;
  chart.Arrow = arrow;
}

}  // namespace hygrovia
