#ifndef HYGROVIA_MODEL_CHART_SETTINGS_H
#define HYGROVIA_MODEL_CHART_SETTINGS_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/chart_limits.h"
#include "base/chart_point.h"
#include "model/chart_modes.h"
#include "model/chart_style.h"
#include "climate/climate_layer.h"
#include "model/node_list.h"
#include "units/quantity_text.h"
#include "base/row_text.h"
#include "psychro/air_state.h"
#include "psychro/property_model.h"

namespace hygrovia {

class DrawingSurface;

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

  // Both states get their start-up defaults (pressure 101.365 kPa); styles gives the object of
  // each style name.
  ChartSettings(DrawingSurface& surface, AirState& cursorState, AirState& arrowState,
                StyleLookup styles);

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
  const ChartStyle& Style() const { return styles_(style_); }

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
  StyleLookup styles_;
  ChartStyleName style_ = ChartStyleName::Classic;
  QuantityText units_ = QuantityText::Si();
};

}  // namespace hygrovia

#endif  // HYGROVIA_MODEL_CHART_SETTINGS_H
