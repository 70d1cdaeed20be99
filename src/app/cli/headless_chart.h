#ifndef HYGROVIA_APP_CLI_HEADLESS_CHART_H
#define HYGROVIA_APP_CLI_HEADLESS_CHART_H

#include <QSize>

#include "app/output/chart_page_printer.h"
#include "chart/chart_settings.h"
#include "chart/status_line.h"
#include "psychro/air_state.h"
#include "surface/canvas.h"
#include "surface/drawing_surface.h"

namespace hygrovia {

// The chart area of a run without a window: a fixed client size and nothing to repaint.
class PictureArea : public SurfaceControl {
 public:
  explicit PictureArea(QSize size) : size_(size) {}
  int ClientWidth() const override { return size_.width(); }
  int ClientHeight() const override { return size_.height(); }
  void RepaintNow() override {}
  QSize Size() const { return size_; }

 private:
  QSize size_;
};

// Everything the main window holds of the chart, for a run without a window: the surface,
// the two air states, the settings and the status line, on a chart area of the picture's
// size. Until a canvas is attached the chart's redraws only do their bookkeeping (data table,
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
  // Draws on canvas from now on (none when null), fitting the chart to the area again with
  // the canvas's text sizes, as the window's first showing does.
  void AttachCanvas(Canvas* canvas);

  DrawingSurface surface;
  AirState cursorState;
  AirState arrowState;
  ChartSettings settings{surface, cursorState, arrowState};
  StatusLine status;
  PictureArea area;
  // The paper and title block of a chart page export.
  ChartPageSetup page{DefaultChartPageLayout(), {}};
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_CLI_HEADLESS_CHART_H
