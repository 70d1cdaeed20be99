#ifndef HYGROVIA_MODEL_MEASURED_STATE_H
#define HYGROVIA_MODEL_MEASURED_STATE_H

#include <optional>
#include <string_view>

#include "base/chart_point.h"
#include "base/result.h"

namespace hygrovia {

class QuantityText;
struct AirState;

// What was measured beside the dry bulb: a relative humidity (a hygrometer), a wet bulb (a
// sling psychrometer), a dew point (a chilled mirror), a moisture content or an enthalpy.
enum class MeasuredKind { RelHumidity, WetBulb, DewPoint, Moisture, Enthalpy };

// "rh", "wb", "dp", "w" or "h" in any letter case.
std::optional<MeasuredKind> MeasuredKindFromWord(std::string_view word);

// The state (°C, g/kg) of dry bulb t (°C) whose kind of measurement reads value, in SI (%, °C,
// g/kg, or kJ/kg of the enthalpy the units show, units/displayed_enthalpy.h), in the model and
// at the pressure of air. A pair no air can have (a wet bulb or a dew point above the dry bulb,
// a moisture or an enthalpy beyond saturation, a relative humidity outside 0 to 100 %, a
// reading below that of dry air) fails, saying why.
Result<ChartPoint> MeasuredState(const AirState& air, const QuantityText& units, double dryBulb,
                                 MeasuredKind kind, double value);

}  // namespace hygrovia

#endif  // HYGROVIA_MODEL_MEASURED_STATE_H
