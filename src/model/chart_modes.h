#ifndef HYGROVIA_MODEL_CHART_MODES_H
#define HYGROVIA_MODEL_CHART_MODES_H

#include <cstdint>

namespace hygrovia {

// Unit in which the vertical position of cursor and arrow is read and typed; the value is the
// item index in the settings dialog's unit list. Any other value reads as relative humidity
// when converting to units and as g/kg when converting back.
namespace VerticalAxisUnits {
enum Value : std::int32_t { RelativeHumidity = 0, AbsoluteHumidity = 1, VapourPressure = 2 };
}  // namespace VerticalAxisUnits

// What is highlighted: 1 to 7 a family of lines, 8 to 11 a teaching overlay.
namespace HighlightMode {
enum Value : std::int32_t {
  None = 0,
  DryBulb = 1,
  WetBulb = 2,
  AbsoluteHumidity = 3,
  RelativeHumidity = 4,
  VapourPressure = 5,
  SpecificVolume = 6,
  Enthalpy = 7,
  HeatingAndCooling = 8,
  DewPointAndCondensation = 9,
  AdiabaticProcesses = 10,
  MixingAirStreams = 11,
};
// Modes above this one are teaching overlays.
constexpr std::int32_t kLastLineFamily = Enthalpy;
}  // namespace HighlightMode

// What the current left-button drag moves.
namespace DragTarget {
enum Value : std::int32_t { None = 0, Cursor = 1, Arrow = 2, Node = 3 };
}  // namespace DragTarget

}  // namespace hygrovia

#endif  // HYGROVIA_MODEL_CHART_MODES_H
