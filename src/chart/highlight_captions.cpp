#include "chart/highlight_captions.h"

#include <array>
#include <cstddef>

#include "chart/chart_settings.h"

namespace hygrovia {
namespace {

constexpr std::array<std::string_view, HighlightMode::MixingAirStreams + 1> kHighlightCaptions = {
    "",
    " HILIGHT: Dry Bulb Temperatures (°C)",
    " HILIGHT: Wet Bulb Temperatures (°C)",
    " HILIGHT: Absolute Humidity Lines (g/kg)",
    " HILIGHT: Relative Humidity Lines (%)",
    " HILIGHT: Vapour Pressure Lines (kPa)",
    " HILIGHT: Lines of Specific Volume (m3/kg)",
    " HILIGHT: Lines of Constant Enthalpy (kJ/kg)",
    " Shows the effects of heating and cooling.",
    " Condensation occurs when air is cooled below its dew point.",
    " Adiabatic processes (not involving heat) run along Enthalpy lines.",
    " Depends on Temperature(T), Enthalpy(H) and Mass flow rate(M) ratio.",
};

}  // namespace

std::string_view HighlightCaption(int mode) {
  if (mode < 0 || mode > HighlightMode::MixingAirStreams) return {};
  return kHighlightCaptions[static_cast<std::size_t>(mode)];
}

}  // namespace hygrovia
