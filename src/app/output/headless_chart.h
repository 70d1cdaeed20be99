#ifndef HYGROVIA_APP_OUTPUT_HEADLESS_CHART_H
#define HYGROVIA_APP_OUTPUT_HEADLESS_CHART_H

#include <QSize>

#include "app/output/chart_page_printer.h"
#include "app/output/lent_surface.h"
#include "session/chart_session.h"

namespace hygrovia {

// A chart session for a run without a window, on a chart area of the picture's size. Until a canvas is attached the chart's redraws only do their bookkeeping (data table,
// points pulled onto the chart, highlight taken over), which is all the later steps need.
class HeadlessChart {
 public:
  // Fits the default chart to the area and draws it once, as the main window's construction.
  explicit HeadlessChart(QSize size);
  ~HeadlessChart();
  HeadlessChart(const HeadlessChart&) = delete;
  HeadlessChart& operator=(const HeadlessChart&) = delete;

  // The main window's redraw: clear, draw the whole chart, show it.
  void Redraw();
  // The "&Relative Cursor" menu item: toggle the mode and redraw.
  void ToggleRelativeCursor();
  // A highlight menu item: choose the mode and redraw.
  void ChooseHighlight(int mode);

  ChartSession session;
  DrawingSurface& surface = session.Surface();
  AirState& cursorState = session.CursorState();
  AirState& arrowState = session.ArrowState();
  ChartSettings& settings = session.Settings();
  StatusLine& status = session.Status();
  PictureArea area;
  // The paper and title block of a chart page export.
  ChartPageSetup page{DefaultChartPageLayout(), {}};
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_HEADLESS_CHART_H
