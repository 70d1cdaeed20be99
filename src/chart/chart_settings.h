#ifndef HYGROVIA_CHART_CHART_SETTINGS_H
#define HYGROVIA_CHART_CHART_SETTINGS_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_point.h"
#include "chart/chart_style.h"
#include "chart/climate_layer.h"
#include "chart/node_list.h"
#include "chart/quantity_text.h"
#include "chart/row_text.h"
#include "psychro/air_state.h"
#include "psychro/property_model.h"

namespace hygrovia {

class DrawingSurface;

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

// A point coordinate as the chart stores it: value held within ±kCoordinateLimit, or previous
// when value is not a number.
float StoredCoordinate(float value, float previous);

// The chart being shown and the user's points on it: ranges, snap, vertical-axis unit,
// highlight mode, relative-cursor mode, cursor, arrow, nodes, the data table text and the
// drag in progress. It works on the one drawing surface and on the two air states at cursor
// and arrow, which also hold the chart's barometric pressure (both always the same).
class ChartSettings {
 public:
  static constexpr int kTableLineCapacity = 28;
  static constexpr std::size_t kTableLineLength = kRowLength;

  float TempMin = 0.0f;       // °C, left end of the chart
  float TempMax = 50.0f;      // °C, right end; never above 100 after SetRanges
  float HumidityMin = 0.0f;   // g/kg, bottom end; never below 0 after SetRanges
  float HumidityMax = 35.0f;  // g/kg, top end
  // Slope of the relative-humidity labels, recomputed by each full drawing of those curves
  // and read by the enthalpy lines.
  float LabelSlope = 0.64f;
  std::int32_t TableLineCount = 0;
  // The data table drawn on the chart, each line at most kTableLineLength characters.
  std::array<std::string, kTableLineCapacity> TableLines{};
  std::int32_t ShowVapourPressureScale = 0;  // 0 absolute humidity scale, 1 vapour pressure
  std::int32_t RelativeCursor = 0;           // flag: the arrow is shown, read out and moved
  std::int32_t VerticalAxisUnits = VerticalAxisUnits::RelativeHumidity;
  std::int32_t ShowEnthalpyLines = 0;  // 0 wet-bulb lines, 1 enthalpy lines
  // The mode in force, and the one asked for that the next full drawing takes over.
  std::int32_t Highlight = HighlightMode::None;
  std::int32_t RequestedHighlight = HighlightMode::None;
  NodeList Nodes;
  ChartPoint Cursor{25.0f, 10.031f};
  ChartPoint Arrow{20.0f, 7.34f};
  std::int32_t DragTarget = DragTarget::None;
  float TempSnap = 0.1f;      // °C
  float HumiditySnap = 0.1f;  // g/kg
  // Weather hours and comfort zones drawn under the chart's lines; empty unless asked for.
  ClimateLayer Climate;
  // The labels the line families offered in the drawing in progress, for a style that places
  // them once the families are drawn.
  std::vector<OfferedLabel> OfferedLabels;

  // Both states get their start-up defaults (pressure 101.365 kPa).
  ChartSettings(DrawingSurface& surface, AirState& cursorState, AirState& arrowState);

  DrawingSurface& Surface() const { return surface_; }
  AirState& CursorState() const { return cursorState_; }
  AirState& ArrowState() const { return arrowState_; }

  void GetRanges(float& tMin, float& hMin, float& tMax, float& hMax) const;
  // Stores the ranges (°C, g/kg) and applies them to the surface. tMax is cut to 100 and hMin
  // raised to 0; an inverted range is stored as it is, and an end that is still not finite
  // keeps its previous value.
  void SetRanges(float tMin, float hMin, float tMax, float hMax);

  // The chart's barometric pressure, kPa.
  double GetPressure() const;
  // Stores p (kPa) in both air states, held to kLowestPressure .. kHighestPressure; false
  // when p was out of band. Not a number keeps the previous pressure and gives false.
  bool SetPressure(float p);

  // The property model both air states compute with; setting it redraws nothing.
  PropertyModel GetPropertyModel() const;
  void SetPropertyModel(PropertyModel model);

  // How the chart looks (Classic by default). Setting it applies the style's smoothing and
  // text size to the surface and fits the view again; it redraws nothing.
  ChartStyleName GetChartStyle() const { return style_; }
  void SetChartStyle(ChartStyleName style);
  const ChartStyle& Style() const { return StyleNamed(style_); }

  // The units the user reads and types in; the chart itself keeps SI whatever they are.
  const QuantityText& GetUnits() const { return units_; }
  // Chooses the units, and the weather cells that go with them; nothing is converted or
  // redrawn.
  void SetUnitSystem(UnitSystem system);

  // Hands grid step, snap, ranges, margins, smoothing and text size to the surface and fits
  // the view again.
  void ApplyToSurface();

  // Chooses a highlight mode from the menu; choosing the mode in force turns it off. Wet bulb
  // and enthalpy also switch the line family drawn, absolute humidity and vapour pressure the
  // vertical scale. Redraws at once when a switch changed or an overlay was in force.
  void SetHighlight(std::int32_t mode);
  std::int32_t GetHighlight() const;

  bool IsRelativeCursor() const;
  // Writes the flag only; nothing is drawn.
  void SetRelativeCursor(bool on);
  std::int32_t GetVerticalAxisUnits() const;
  // Writes the unit only; no point is converted.
  void SetVerticalAxisUnits(std::int32_t units);

  // The cursor (which 0) or arrow (which non-zero) as (°C, vertical value in
  // VerticalAxisUnits); relative humidity is capped at 100 % above saturation.
  ChartPoint PointInUnits(std::int32_t which) const;
  // Sets the cursor (which 0) or arrow from (°C, vertical value in VerticalAxisUnits); not
  // held to the ranges, a relative humidity not above saturation. Nothing is redrawn.
  void SetPointFromUnits(float x, float v, std::int32_t which);
  // Pulls point into the temperature range, at or below HumidityMax and onto or below the
  // saturation curve; units of its y: 0 %, 2 kPa, anything else g/kg. A coordinate that is
  // not a number reads as the low end.
  void ConstrainPoint(ChartPoint& point, std::int32_t units) const;

  // Empties the data table.
  void ClearTable();
  // Appends a line to the data table, cut to kTableLineLength; false when the table is full.
  bool AddTableLine(std::string_view line);

 private:
  DrawingSurface& surface_;
  AirState& cursorState_;
  AirState& arrowState_;
  ChartStyleName style_ = ChartStyleName::Classic;
  QuantityText units_ = QuantityText::Si();
};

}  // namespace hygrovia

#endif  // HYGROVIA_CHART_CHART_SETTINGS_H
