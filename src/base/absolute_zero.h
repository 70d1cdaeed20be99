#ifndef HYGROVIA_BASE_ABSOLUTE_ZERO_H
#define HYGROVIA_BASE_ABSOLUTE_ZERO_H

namespace hygrovia {

// Absolute zero, °C: no air is this cold, so no temperature typed or read may reach it. Charts
// far below freezing (from -150 °C, say) are still charts.
inline constexpr double kAbsoluteZero = -273.15;

// True for a dry-bulb temperature (°C) above absolute zero. Compared as the chart's floats, so
// that -273.15 °C and -459.67 °F, which reach the chart as the same float, are both refused.
inline constexpr bool IsAboveAbsoluteZero(double celsius) {
  if (!(celsius > kAbsoluteZero - 1.0)) return false;  // nan too
  return celsius > kAbsoluteZero + 1.0 ||
         static_cast<float>(celsius) > static_cast<float>(kAbsoluteZero);
}

}  // namespace hygrovia

#endif  // HYGROVIA_BASE_ABSOLUTE_ZERO_H
