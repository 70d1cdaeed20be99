#include "drawing/highlight_captions.h"

#include <array>
#include <cstddef>
#include <optional>

#include "model/chart_settings.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

// A caption's text before its unit, and the quantity whose unit closes it in brackets.
struct Caption {
  std::string_view text;
  std::optional<Quantity> unit = std::nullopt;
};

constexpr std::array<Caption, HighlightMode::MixingAirStreams + 1> kHighlightCaptions{{
    {""},
    {" HILIGHT: Dry Bulb Temperatures ", Quantity::Temperature},
    {" HILIGHT: Wet Bulb Temperatures ", Quantity::Temperature},
    {" HILIGHT: Absolute Humidity Lines ", Quantity::Moisture},
    {" HILIGHT: Relative Humidity Lines ", Quantity::RelativeHumidity},
    {" HILIGHT: Vapour Pressure Lines ", Quantity::VapourPressure},
    {" HILIGHT: Lines of Specific Volume ", Quantity::SpecificVolume},
    {" HILIGHT: Lines of Constant Enthalpy ", Quantity::Enthalpy},
    {" Shows the effects of heating and cooling."},
    {" Condensation occurs when air is cooled below its dew point."},
    {" Adiabatic processes (not involving heat) run along Enthalpy lines."},
    {" Depends on Temperature(T), Enthalpy(H) and Mass flow rate(M) ratio."},
}};

// The SI captions, built once, so that the first form can hand out views of them.
const std::array<std::string, HighlightMode::MixingAirStreams + 1>& SiCaptions() {
  static const auto captions = [] {
    std::array<std::string, HighlightMode::MixingAirStreams + 1> texts;
    for (int mode = 0; mode <= HighlightMode::MixingAirStreams; ++mode) {
      texts[static_cast<std::size_t>(mode)] = HighlightCaption(mode, QuantityText::Si());
    }
    return texts;
  }();
  return captions;
}

}  // namespace

std::string_view HighlightCaption(int mode) {
  if (mode < 0 || mode > HighlightMode::MixingAirStreams) return {};
  return SiCaptions()[static_cast<std::size_t>(mode)];
}

std::string HighlightCaption(int mode, const QuantityText& units) {
  if (mode < 0 || mode > HighlightMode::MixingAirStreams) return {};
  const Caption& caption = kHighlightCaptions[static_cast<std::size_t>(mode)];
  std::string text(caption.text);
  if (caption.unit) {
    text += '(';
    text += units.RowUnit(*caption.unit);
    text += ')';
  }
  return text;
}

}  // namespace hygrovia
