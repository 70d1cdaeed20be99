#ifndef HYGROVIA_DATA_PERSISTED_VALUES_H
#define HYGROVIA_DATA_PERSISTED_VALUES_H

#include <optional>
#include <string>
#include <string_view>

#include "base/chart_point.h"
#include "units/quantity_text.h"
#include "psychro/property_model.h"

namespace hygrovia {

class ChartSettings;

// The two values kept between runs, as text: the main window's size and where the cursor and
// the arrow stood. The store only moves the texts; their formats live here.

inline constexpr std::string_view kSizeValueName = "Hygrovia_Size";
inline constexpr std::string_view kSetupValueName = "Hygrovia_Setup";
inline constexpr std::string_view kDefaultSizeText = "456 456";
// Handed to the store as the default, but never applied as positions: 50 g/kg would put the
// cursor far above the default chart. Only a stored text moves the cursor and the arrow.
inline constexpr std::string_view kDefaultSetupText = "25 50 20 60";

// The property model of the last chart, which new charts start with.
inline constexpr std::string_view kPropertiesValueName = "Hygrovia_Properties";

// The chart style last used ("Classic" or "Clear", as ChartStyleText writes it); any other
// text reads as Classic.
inline constexpr std::string_view kStyleValueName = "Hygrovia_Style";

// "ASHRAE2017" for the ASHRAE model, "Chart" for the chart's own formulas.
std::string PropertiesText(PropertyModel model);
// The model a stored text names: the ASHRAE model for "ASHRAE2017", otherwise the chart's
// own formulas.
PropertyModel PropertiesFromText(std::string_view text);

// The units the user chose last, which every start takes up again.
inline constexpr std::string_view kUnitsValueName = "Hygrovia_Units";

// "IP" for inch-pound units, "SI" for SI.
std::string UnitsText(UnitSystem system);
// The units a stored text names: inch-pound for "IP", otherwise SI.
UnitSystem UnitsFromText(std::string_view text);

// Main window width and height, pixels.
struct WindowSize {
  // Sides above this fit no screen and come from a damaged value.
  static constexpr int kLargestSide = 16384;

  int Width = 456;
  int Height = 456;
};

// The size in "%d %d" (width, height); the default 456 by 456 unless the text starts with two
// integers ("%d %d") of 1 to kLargestSide.
WindowSize WindowSizeFromText(std::string_view text);
std::string WindowSizeText(WindowSize size);

// Cursor and arrow positions (°C, g/kg) kept between runs.
struct SetupPositions {
  ChartPoint Cursor;
  ChartPoint Arrow;
};

// The positions in "%0.2f %0.2f %0.2f %0.2f" (cursor dry bulb and moisture content, then the
// arrow's); nothing unless the text starts with four numbers that are finite as floats.
std::optional<SetupPositions> SetupFromText(std::string_view text);
// The text closing writes: dry bulb and moisture content of the cursor's air state, as the
// last drawing left it, then those of the arrow's position pulled onto the chart (into the
// ranges, on or below saturation), shown or not.
std::string SetupText(const ChartSettings& chart);
// Puts cursor and arrow at the positions, each pulled onto the chart (into the ranges, on or
// below saturation) as a node is when it moves.
void ApplySetup(ChartSettings& chart, const SetupPositions& positions);

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_PERSISTED_VALUES_H
