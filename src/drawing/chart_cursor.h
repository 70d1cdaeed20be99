#ifndef HYGROVIA_DRAWING_CHART_CURSOR_H
#define HYGROVIA_DRAWING_CHART_CURSOR_H

#include <cstdint>
#include <string>

namespace hygrovia {

class ChartSettings;
class QuantityText;
class StatusLine;
struct AirState;

// The cursor and arrow marks, the hit test of a mouse press on the chart, dragging of the
// cursor, the arrow and the nodes, and the status-line read-outs. Marks are drawn in XOR mix
// mode with a cyan pen, so drawing them twice leaves the picture as it was.

// The cursor's cross and square (its inside inverted when selected is 1) and, in
// relative-cursor mode, the arrow from the cursor to the arrow point.
void DrawCursorMarks(ChartSettings& chart, int selected);

// Takes hold of what a press at pixel (X, Y) hits: the cursor, then the arrow, then a node.
// A left press that hits nothing moves the cursor there and takes hold of it. False only for
// a right press on empty chart.
bool GrabAt(ChartSettings& chart, int X, int Y, bool leftButton);
// Moves what is held to the snapped world point under pixel (X, Y).
void DragTo(ChartSettings& chart, int X, int Y);
// Moves what is held to the world point (x, y): a node on its own, the cursor or arrow with
// the marks and the data table, which pulls the point back onto the chart.
void MoveGrabbedTo(ChartSettings& chart, float x, float y);

// A mouse move over the chart: the air under the mouse, unless a highlight caption stands
// in the status line and nothing is held.
void TrackMouse(ChartSettings& chart, StatusLine& status, int X, int Y);
// The air state at pixel (X, Y) in the status line, or that the position is off the chart.
void ShowStateAt(ChartSettings& chart, StatusLine& status, int X, int Y);
// The left button was released after a drag: the marks come to rest, the chart is redrawn
// when an overlay follows the cursor or a node moved, and the highlight caption returns.
void EndDrag(ChartSettings& chart, StatusLine& status);

// True when a left press at pixel (X, Y) would take hold of a mark already there (the cursor,
// the arrow in relative-cursor mode, or a node's square) rather than move the cursor to it.
bool IsOverMark(const ChartSettings& chart, int X, int Y);
// The read-out of what is held (DragTarget values) as the marks and the data table show it:
// the cursor or a node as " Cursor: DB ...", the arrow as " Arrow: DB ...", nothing for None.
std::string HeldStatusText(const ChartSettings& chart, std::int32_t target);

// " Cursor: DB ..." and " Arrow: DB ..." read-outs of a state in the units given, or in SI.
std::string CursorStatusText(const AirState& state, const QuantityText& units);
std::string ArrowStatusText(const AirState& state, const QuantityText& units);
std::string CursorStatusText(const AirState& state);
std::string ArrowStatusText(const AirState& state);
// The read-out of a mouse position without a valid air state on the chart.
std::string OutsideStatusText();

}  // namespace hygrovia

#endif  // HYGROVIA_DRAWING_CHART_CURSOR_H
