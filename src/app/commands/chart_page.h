#ifndef HYGROVIA_APP_COMMANDS_CHART_PAGE_H
#define HYGROVIA_APP_COMMANDS_CHART_PAGE_H

#include <string>
#include <vector>

namespace hygrovia {

class Canvas;
class ChartSettings;

// A rectangle of a page in canvas pixels; right and bottom are exclusive.
struct PageBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool Contains(const PageBox& inner) const {
    return inner.left >= left && inner.top >= top && inner.Right() <= Right() &&
           inner.Bottom() <= Bottom();
  }
  friend bool operator==(const PageBox&, const PageBox&) = default;
};

// The scale, at most 1, that fits an item of width × height into room width × height keeping
// its proportions; 1 when it fits already, 0 when either side of the room or item is not
// positive.
double ShrinkToFit(double width, double height, double roomWidth, double roomHeight);

// What the title block says beyond the chart's own values: the chart file's name (empty for
// a chart never saved or opened) and the date of the page.
struct ChartPageTitle {
  std::string fileName;
  std::string date;
};

inline constexpr const char* kUntitled = "Untitled";

// The title block's lines: the file name (or "Untitled") with the date, the barometric
// pressure, the ranges.
std::vector<std::string> TitleLines(const ChartSettings& chart, const ChartPageTitle& title);

// The data-point table: two header rows (names, units), then one row per node with the node's number and the
// properties of its air at the chart's pressure. Empty when there are no nodes.
std::vector<std::vector<std::string>> NodeTable(const ChartSettings& chart);

// Where the parts of a chart page go inside the printable area: the title block across the
// top, the data-point table (when its size is not empty) beside the chart on a page wider
// than tall and under it otherwise, the chart filling the rest.
struct ChartPageLayout {
  PageBox title;
  PageBox table;
  PageBox chart;
};

// The layout of a page whose title block is titleHeight high and whose table measures
// tableWidth × tableHeight, with gap pixels between the parts. The chart keeps at least half
// of the printable area each way: a table that would take more is cut to what is left.
ChartPageLayout LayOutChartPage(const PageBox& printable, int titleHeight, int tableWidth,
                                int tableHeight, int gap);

// Draws the chart page on the canvas inside the printable area: a white ground, the title
// block, the table of data points when there are nodes, and the whole chart (highlight,
// overlays, data table, marks and nodes, as a picture for the outside world shows them)
// fitted into the rest so that no label reaches out of it; on a page too small for that,
// what would reach out is cut off (texts whole). The chart's surface is left as it was, view
// and attachment included. Returns the layout used.
ChartPageLayout DrawChartPage(ChartSettings& chart, Canvas& canvas, const PageBox& printable,
                              const ChartPageTitle& title);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_COMMANDS_CHART_PAGE_H
