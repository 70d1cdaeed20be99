#include "chart/data_table.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "chart/chart_settings.h"
#include "chart/number_text.h"
#include "chart/row_text.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr std::string_view kNodeTitle = " DATA: DBT  RH  WBT  ENTHALPY";

template <typename... Values>
void AddRow(ChartSettings& chart, std::string_view format, Values... values) {
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

// One row per node, computed on the cursor's state, which is then restored from the cursor.
// False when there are no nodes.
bool BuildNodeRows(ChartSettings& chart) {
  const NodeList& nodes = chart.Nodes;
  if (!nodes.IsValidIndex(0)) {
    return false;
  }
  AirState& air = chart.CursorState();
  AddRow(chart, kNodeTitle);
  for (std::int32_t i = 0; nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = nodes.GetNode(i);
    air.SetFromHumidity(node.X, node.Y);
    AddRow(chart,
           " %2d: %5.1f\xC2\xB0"
           "C %6.2f%% %5.1f\xC2\xB0"
           "C %7.3fkJ/kg    ",
           i + 1, air.DryBulb, air.RelHumidity, air.WetBulb, air.Enthalpy);
  }
  air.SetFromHumidity(chart.Cursor.X, chart.Cursor.Y);
  return true;
}

void BuildCursorRows(ChartSettings& chart) {
  const AirState& c = chart.CursorState();
  AddRow(chart,
         " Dry Bulb: %0.2f\xC2\xB0"
         "C    ",
         c.DryBulb);
  AddRow(chart, " Rel.Humidity: %0.2f%%    ", c.RelHumidity);
  AddRow(chart, " Abs.Humidity: %0.2fg/kg    ", c.AbsHumidity);
  AddRow(chart, " Vap.Pressure: %0.2fkPa    ", c.VapPressure);
  AddRow(chart, " Volume: %0.4fm3/kg    ", c.Volume);
  AddRow(chart, " Enthalpy: %0.2fkJ/kg    ", c.Enthalpy);
  AddRow(chart,
         " Dew Point: %0.2f\xC2\xB0"
         "C    ",
         c.DewPoint);
  AddRow(chart,
         " Wet Bulb: %0.2f\xC2\xB0"
         "C    ",
         c.WetBulb);
}

void BuildDifferenceRows(ChartSettings& chart) {
  const AirState& c = chart.CursorState();
  const AirState& a = chart.ArrowState();
  AddRow(chart,
         " FM: %0.2f\xC2\xB0"
         "C - %0.2f%%RH    ",
         c.DryBulb, c.RelHumidity);
  AddRow(chart,
         " TO: %0.2f\xC2\xB0"
         "C - %0.2f%%RH    ",
         a.DryBulb, a.RelHumidity);
  AddRow(chart, " ");
  AddRow(chart,
         " [Dry Bulb]: %0.2f\xC2\xB0"
         "C    ",
         a.DryBulb - c.DryBulb);
  AddRow(chart, " [Rel.Humidity]: %0.2f%%    ", a.RelHumidity - c.RelHumidity);
  AddRow(chart, " [Abs.Humidity]: %0.2fg/kg    ", a.AbsHumidity - c.AbsHumidity);
  AddRow(chart, " [Vap.Pressure]: %0.2fkPa    ", a.VapPressure - c.VapPressure);
  AddRow(chart, " [Volume]: %0.4fm3/kg    ", a.Volume - c.Volume);
  AddRow(chart, " [Enthalpy]: %0.2fkJ/kg     ", a.Enthalpy - c.Enthalpy);
  AddRow(chart,
         " [Temp]: %0.2f\xC2\xB0"
         "C    ",
         a.DryBulb - c.DryBulb);
}

// The text of a label; a format the formatter refuses is drawn as it stands.
std::string LabelText(std::string_view format, double value) {
  try {
    return RowText(FormatText(format, value));
  } catch (const fmt::format_error&) {
    return RowText(std::string(format));
  }
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
