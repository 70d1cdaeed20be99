#include "drawing/data_table.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "model/chart_settings.h"
#include "units/displayed_enthalpy.h"
#include "base/number_text.h"
#include "units/quantity_text.h"
#include "base/row_text.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr std::string_view kNodeTitle = " DATA: DBT  RH  WBT  ENTHALPY";

template <typename... Values>
void AddRow(ChartSettings& chart, std::string_view format, const Values&... values) {
  chart.AddTableLine(FormatText(format, values...));
}

// The point pulled back into the temperature range and not above HumidityMax; a dry bulb that
// is not a number reads as the low end.
void ConstrainToRanges(const ChartSettings& chart, ChartPoint& point) {
  if (point.X > chart.TempMax) {
    point.X = chart.TempMax;
  }
  if (!(point.X >= chart.TempMin)) {
    point.X = chart.TempMin;
  }
  if (point.Y > chart.HumidityMax) {
    point.Y = chart.HumidityMax;
  }
}

// The state's properties at the point, and the point moved onto or below saturation and not
// above 100 °C.
void SetStateFromPoint(AirState& air, ChartPoint& point) {
  air.SetFromHumidity(point.X, point.Y);
  point.X = static_cast<float>(air.DryBulb);
  point.Y = static_cast<float>(air.AbsHumidity);
}

// " name: value unit    ", the value in the chart's units.
void AddValueRow(ChartSettings& chart, std::string_view name, Quantity quantity, double value,
                 std::string_view tail = "    ") {
  std::string row;
  row.reserve(kRowLength + 1);
  row += ' ';
  row += name;
  row += ": ";
  row += chart.GetUnits().RowValue(quantity, value);
  row += tail;
  chart.AddTableLine(row);
}

// One row per node, computed on the cursor's state, which is then restored from the cursor.
// False when there are no nodes.
bool BuildNodeRows(ChartSettings& chart) {
  const NodeList& nodes = chart.Nodes;
  if (!nodes.IsValidIndex(0)) {
    return false;
  }
  const QuantityText& units = chart.GetUnits();
  const std::string_view degrees = units.RowUnit(Quantity::Temperature);
  const std::string_view enthalpy = units.RowUnit(Quantity::Enthalpy);
  AirState& air = chart.CursorState();
  AddRow(chart, kNodeTitle);
  for (std::int32_t i = 0; nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = nodes.GetNode(i);
    air.SetFromHumidity(node.X, node.Y);
    AddRow(chart, " %2d: %5.1f%s %6.2f%% %5.1f%s %7.3f%s    ", i + 1,
           units.Shown(Quantity::Temperature, air.DryBulb), degrees, air.RelHumidity,
           units.Shown(Quantity::Temperature, air.WetBulb), degrees,
           units.Shown(Quantity::Enthalpy, DisplayedEnthalpy(units, air)), enthalpy);
  }
  air.SetFromHumidity(chart.Cursor.X, chart.Cursor.Y);
  return true;
}

void BuildCursorRows(ChartSettings& chart) {
  const AirState& c = chart.CursorState();
  AddValueRow(chart, "Dry Bulb", Quantity::Temperature, c.DryBulb);
  AddValueRow(chart, "Rel.Humidity", Quantity::RelativeHumidity, c.RelHumidity);
  AddValueRow(chart, "Abs.Humidity", Quantity::Moisture, c.AbsHumidity);
  AddValueRow(chart, "Vap.Pressure", Quantity::VapourPressure, c.VapPressure);
  AddValueRow(chart, "Volume", Quantity::SpecificVolume, c.Volume);
  AddValueRow(chart, "Enthalpy", Quantity::Enthalpy, DisplayedEnthalpy(chart.GetUnits(), c));
  AddValueRow(chart, "Dew Point", Quantity::Temperature, c.DewPoint);
  AddValueRow(chart, "Wet Bulb", Quantity::Temperature, c.WetBulb);
}

// " FM: 25.00°C - 60.00%RH    " for a state.
void AddEndRow(ChartSettings& chart, std::string_view name, const AirState& air) {
  const QuantityText& units = chart.GetUnits();
  std::string row;
  row.reserve(kRowLength + 1);
  row += ' ';
  row += name;
  row += ": ";
  row += units.RowValue(Quantity::Temperature, air.DryBulb);
  row += " - ";
  row += units.RowValue(Quantity::RelativeHumidity, air.RelHumidity);
  row += "RH    ";
  chart.AddTableLine(row);
}

void BuildDifferenceRows(ChartSettings& chart) {
  const AirState& c = chart.CursorState();
  const AirState& a = chart.ArrowState();
  const QuantityText& units = chart.GetUnits();
  AddEndRow(chart, "FM", c);
  AddEndRow(chart, "TO", a);
  AddRow(chart, " ");
  AddValueRow(chart, "[Dry Bulb]", Quantity::TemperatureDifference, a.DryBulb - c.DryBulb);
  AddValueRow(chart, "[Rel.Humidity]", Quantity::RelativeHumidity, a.RelHumidity - c.RelHumidity);
  AddValueRow(chart, "[Abs.Humidity]", Quantity::MoistureDifference, a.AbsHumidity - c.AbsHumidity);
  AddValueRow(chart, "[Vap.Pressure]", Quantity::VapourPressure, a.VapPressure - c.VapPressure);
  AddValueRow(chart, "[Volume]", Quantity::SpecificVolume, a.Volume - c.Volume);
  AddValueRow(chart, "[Enthalpy]", Quantity::EnthalpyDifference,
              DisplayedEnthalpy(units, a) - DisplayedEnthalpy(units, c), "     ");
  AddValueRow(chart, "[Temp]", Quantity::TemperatureDifference, a.DryBulb - c.DryBulb);
}

// The text of a label; a format the formatter refuses is drawn as it stands.
std::string LabelText(std::string_view format, double value) {
  return RowText(FormatText(format, value));
}

}  // namespace

void BuildPointTable(ChartSettings& chart) {
  ConstrainToRanges(chart, chart.Cursor);
  SetStateFromPoint(chart.CursorState(), chart.Cursor);
  chart.ClearTable();
  if (!BuildNodeRows(chart)) {
    BuildCursorRows(chart);
  }
}

void BuildRelativeTable(ChartSettings& chart) {
  ConstrainToRanges(chart, chart.Cursor);
  ConstrainToRanges(chart, chart.Arrow);
  SetStateFromPoint(chart.CursorState(), chart.Cursor);
  SetStateFromPoint(chart.ArrowState(), chart.Arrow);
  chart.ClearTable();
  if (!BuildNodeRows(chart)) {
    BuildDifferenceRows(chart);
  }
}

void DrawTable(ChartSettings& chart) {
  DrawingSurface& surface = chart.Surface();
  const std::int32_t count = chart.TableLineCount;
  for (std::int32_t row = 0; row < count && row < ChartSettings::kTableLineCapacity; ++row) {
    const PointF at = surface.TextRowPosition(0.0f, row);
    surface.DrawLabel(at.x, at.y, chart.TableLines[static_cast<std::size_t>(row)], 1);
  }
}

TextBox TableBox(const ChartSettings& chart) {
  const DrawingSurface& surface = chart.Surface();
  TextBox box{1.0f, 1.0f, 0.0f, 0.0f};
  const std::int32_t count = std::min(chart.TableLineCount, ChartSettings::kTableLineCapacity);
  for (std::int32_t row = 0; row < count; ++row) {
    const std::string& text = chart.TableLines[static_cast<std::size_t>(row)];
    const PointF at = surface.TextRowPosition(0.0f, row);
    // DrawLabel's text is centred on the point, its shadow a pixel down and right.
    TextBox line = surface.PlaceText(at.x, at.y, text, DrawingSurface::kAlignStart,
                                     DrawingSurface::kAlignMiddle);
    line.right += 1.0f;
    line.bottom += 1.0f;
    box = row == 0 ? line
                   : TextBox{std::min(box.left, line.left), std::min(box.top, line.top),
                             std::max(box.right, line.right), std::max(box.bottom, line.bottom)};
  }
  return box;
}

void DrawValueLabel(ChartSettings& chart, float x, float y, int hAlign, int vAlign,
                    std::string_view format, double value) {
  if (!std::isfinite(x) || !std::isfinite(y)) {
    return;
  }
  chart.Surface().DrawText(x, y, LabelText(format, value), hAlign, vAlign);
}

}  // namespace hygrovia
