#ifndef HYGROVIA_PSYCHRO_PROPERTY_MODEL_H
#define HYGROVIA_PSYCHRO_PROPERTY_MODEL_H

#include <cstdint>
#include <string_view>

namespace hygrovia {

// The formulation an air state computes its properties with, chosen once for the chart and
// handed to both air states. ChartFormulas are the chart's own closed formulas (Antoine
// saturation, linear wet-bulb, enthalpy and volume rules); Ashrae2017 is the ASHRAE Handbook
// Fundamentals 2017, chapter 1, with ice below freezing, at the chart's pressure.
enum class PropertyModel : std::int32_t { ChartFormulas = 0, Ashrae2017 = 1 };

// The name the program shows for a model: "Chart formulas" or "ASHRAE 2017".
constexpr std::string_view PropertyModelName(PropertyModel model) {
  return model == PropertyModel::Ashrae2017 ? "ASHRAE 2017" : "Chart formulas";
}

}  // namespace hygrovia

#endif  // HYGROVIA_PSYCHRO_PROPERTY_MODEL_H
