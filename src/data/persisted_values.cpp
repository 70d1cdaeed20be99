#include "data/persisted_values.h"

#include <cmath>
#include <limits>

#include "chart/chart_settings.h"
#include "data/number_text.h"
#include "psychro/air_state.h"

namespace hygrovia {
namespace {

// True when the matched number is written as "%d" writes one: an optional sign and digits.
bool LooksLikeInteger(std::string_view matched) {
  const auto first = matched.find_first_not_of(" \t\n\r\v\f");
  if (first == std::string_view::npos) return false;
  matched.remove_prefix(first);
  if (matched.front() == '+' || matched.front() == '-') matched.remove_prefix(1);
  return !matched.empty() && matched.find_first_not_of("0123456789") == std::string_view::npos;
}

// A window side read from the front of text, which then starts after it.
std::optional<int> ReadSide(std::string_view& text) {
  const std::optional<ParsedNumber> parsed = ParseNumber(text);
  if (!parsed || !LooksLikeInteger(text.substr(0, parsed->length))) return std::nullopt;
  text.remove_prefix(parsed->length);
  if (parsed->value < 1.0 || parsed->value > WindowSize::kLargestSide) return std::nullopt;
  return static_cast<int>(parsed->value);
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

WindowSize WindowSizeFromText(std::string_view text) {
  const std::optional<int> width = ReadSide(text);
  const std::optional<int> height = width ? ReadSide(text) : std::nullopt;
  if (!height) return WindowSize{};
  return WindowSize{*width, *height};
}

std::string WindowSizeText(WindowSize size) { return FormatText("%d %d", size.Width, size.Height); }

std::optional<SetupPositions> SetupFromText(std::string_view text) {
  const std::optional<ChartPoint> cursor = ReadPoint(text);
  const std::optional<ChartPoint> arrow = cursor ? ReadPoint(text) : std::nullopt;
  if (!arrow) return std::nullopt;
  return SetupPositions{*cursor, *arrow};
}

std::string SetupText(const ChartSettings& chart) {
  const AirState& cursor = chart.CursorState();
  const AirState& arrow = chart.ArrowState();
  return FormatText("%0.2f %0.2f %0.2f %0.2f", cursor.DryBulb, cursor.AbsHumidity, arrow.DryBulb,
                    arrow.AbsHumidity);
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
