#ifndef HYGROVIA_DRAWING_CHART_DRAWING_H
#define HYGROVIA_DRAWING_CHART_DRAWING_H

namespace hygrovia {

class ChartSettings;
class StatusLine;

// The whole chart, drawn in world coordinates (dry bulb °C across, moisture g/kg up) through
// the chart's drawing surface: the data table, the line families with their scales, the
// highlight pass, the cursor marks and the nodes. Every property comes from the cursor's air
// state, whose pressure is the chart's barometric pressure.
//
// Whatever the ranges hold, every family keeps to kMaxFamilyLines (families/line_family.h) and
// no point that is not finite reaches the surface, so a drawing always finishes at once.

// Table, families, highlight pass, cursor marks and nodes, in that order.
void DrawChart(ChartSettings& chart, StatusLine& status);
// The light drawing shown while the chart is dragged: the saturation curve, the frame, the
// cursor marks and the nodes, all dotted.
void DrawChartOutline(ChartSettings& chart);
// Redraws the family or overlay of a highlight mode (1 to 11) in yellow over the chart and,
// when announce is set, puts the mode's caption into the status line. Other modes do nothing.
void HighlightPass(ChartSettings& chart, StatusLine& status, int mode, bool announce);

}  // namespace hygrovia

#endif  // HYGROVIA_DRAWING_CHART_DRAWING_H
