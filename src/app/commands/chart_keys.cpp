#include "app/commands/chart_keys.h"

#include <algorithm>
#include <string>
#include <fmt/format.h>

#include "drawing/chart_cursor.h"
#include "base/chart_point.h"
#include "model/chart_settings.h"
#include "drawing/data_table.h"
#include "model/node_list.h"
#include "base/number_text.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"
#include "surface/virtual_keys.h"

namespace hygrovia {
namespace {

bool IsViewKey(int key) {
  return key == kKeyHome || key == kKeyPadPlus || key == kKeyPadMinus || key == kKeyPlusEquals ||
         key == kKeyMinus;
}

std::int32_t ClampedSelection(const NodeList& nodes) {
  return std::max(std::min(nodes.Selected, nodes.Count - 1), 0);
}

// The point the arrow keys move: the selected node (°C, g/kg), or without nodes the cursor or
// the arrow with its vertical value in the vertical-axis unit; that value to one decimal.
ChartPoint PointToMove(const ChartSettings& chart) {
  ChartPoint p = chart.Nodes.Count > 0 ? chart.Nodes.GetNode(ClampedSelection(chart.Nodes))
                                       : chart.PointInUnits(chart.RelativeCursor);
  p.Y = static_cast<float>(DecimalValue(fmt::format("{:.1f}", static_cast<double>(p.Y))));
  return p;
}

// Arrow keys: steps p and reports true, other keys leave it.
bool StepPoint(ChartPoint& p, int key, float step) {
  switch (key) {
    case kKeyLeft:
      p.X -= step;
      return true;
    case kKeyRight:
      p.X += step;
      return true;
    case kKeyUp:
      p.Y += step;
      return true;
    case kKeyDown:
      p.Y -= step;
      return true;
    default:
      return false;
  }
}

// Moves the node selection to index, erasing and redrawing the node marks, and shows it at
// once, so that a held key steps visibly.
void SelectByKey(ChartSettings& chart, std::int32_t index) {
  DrawingSurface& surface = chart.Surface();
  chart.Nodes.DrawNodes(surface);
  chart.Nodes.Selected = index;
  chart.Nodes.DrawNodes(surface);
  surface.RefreshControl();
}

// A node added or removed renumbers the nodes after it, which only a full drawing shows; it
// is drawn at once rather than on the key's release.
void InsertByKey(ChartSettings& chart) {
  NodeList& nodes = chart.Nodes;
  if (nodes.Count > 0 && nodes.IsValidIndex(nodes.Selected)) {
    nodes.InsertCopy();
  } else {
    nodes.AppendPoint(chart.Cursor.X, chart.Cursor.Y);
  }
  chart.Surface().Redraw();
}

void DeleteByKey(ChartSettings& chart) {
  NodeList& nodes = chart.Nodes;
  if (nodes.Count <= 0 || !nodes.IsValidIndex(nodes.Selected)) return;
  nodes.DeleteSelected();
  chart.Surface().Redraw();
}

// Page Up, Page Down, Tab, Insert and Delete.
void NodeKey(ChartSettings& chart, int key) {
  const NodeList& nodes = chart.Nodes;
  const std::int32_t sel = nodes.Selected;
  const bool any = nodes.Count > 0;
  if (key == kKeyPageUp && any && nodes.IsValidIndex(sel - 1)) SelectByKey(chart, sel - 1);
  if (key == kKeyPageDown && any && nodes.IsValidIndex(sel + 1)) SelectByKey(chart, sel + 1);
  if (key == kKeyTab && any) SelectByKey(chart, nodes.IsValidIndex(sel + 1) ? sel + 1 : 0);
  if (key == kKeyInsert) InsertByKey(chart);
  if (key == kKeyDelete) DeleteByKey(chart);
}

// The selected node moved to p (°C, g/kg), held on or below saturation and within the
// ranges; the state read out is the one it holds, as its square and the table show it.
std::string MoveNode(ChartSettings& chart, ChartPoint p) {
  AirState state;
  state.ResetState();
  state.Pressure = chart.GetPressure();
  state.Model = chart.GetPropertyModel();
  state.SetFromHumidity(p.X, p.Y);
  chart.Nodes.Selected = ClampedSelection(chart.Nodes);
  chart.Nodes.MoveSelectedTo(static_cast<float>(state.DryBulb),
                             static_cast<float>(state.AbsHumidity), chart, chart.Surface());
  return HeldStatusText(chart, DragTarget::Node);
}

// The cursor, or in relative-cursor mode the arrow, moved to p (°C, vertical-axis unit); the
// data table pulls it back onto the chart.
std::string MoveCursorOrArrow(ChartSettings& chart, ChartPoint p) {
  const bool relative = chart.RelativeCursor != 0;
  DrawCursorMarks(chart, 0);
  chart.SetPointFromUnits(p.X, p.Y, chart.RelativeCursor);
  if (relative) {
    BuildRelativeTable(chart);
  } else {
    BuildPointTable(chart);
  }
  std::string text =
      relative ? ArrowStatusText(chart.ArrowState()) : CursorStatusText(chart.CursorState());
  DrawCursorMarks(chart, 0);
  DrawTable(chart);
  return text;
}

void ChartKey(ChartSettings& chart, StatusLine& status, int key, bool fine) {
  if (IsViewKey(key)) {
    chart.Surface().HandleKey(key, fine);
    return;
  }
  ChartPoint p = PointToMove(chart);
  if (!StepPoint(p, key, fine ? 0.1f : 1.0f)) {
    NodeKey(chart, key);
    return;
  }
  status.SetText(chart.Nodes.Count > 0 ? MoveNode(chart, p) : MoveCursorOrArrow(chart, p));
  chart.Surface().RefreshControl();
}

}  // namespace

void ChartKeyDown(ChartSettings& chart, StatusLine& status, int virtualKey, bool ctrl, bool shift) {
  if (ctrl) {
    chart.Surface().HandleKey(virtualKey, shift);
    return;
  }
  ChartKey(chart, status, virtualKey, shift);
}

void ChartKeyUp(ChartSettings& chart) {
  if (chart.Nodes.Count > 0) chart.Surface().Redraw();
}

}  // namespace hygrovia
