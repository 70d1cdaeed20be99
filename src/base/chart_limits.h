#ifndef HYGROVIA_BASE_CHART_LIMITS_H
#define HYGROVIA_BASE_CHART_LIMITS_H

namespace hygrovia {

// The right end of the temperature range is cut to this (°C); the ranges are otherwise stored
// as given, and the line families' caps keep any drawing short.
inline constexpr float kHighestTemperature = 100.0f;
// Cursor, arrow and nodes are held within ±kCoordinateLimit, well inside the range where the
// air state's formulas give finite values.
inline constexpr float kCoordinateLimit = 1.0e6f;
// Barometric pressures accepted by SetPressure, kPa, and the thresholds beyond which a
// value is taken as out of band.
inline constexpr float kLowestPressure = 51.365f;
inline constexpr float kHighestPressure = 131.365f;
inline constexpr double kLowPressureThreshold = 51.364;
inline constexpr double kHighPressureThreshold = 131.366;

}  // namespace hygrovia

#endif  // HYGROVIA_BASE_CHART_LIMITS_H
