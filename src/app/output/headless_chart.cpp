#include "app/output/headless_chart.h"

#include "drawing/chart_drawing.h"
#include "surface/colour.h"

namespace hygrovia {

HeadlessChart::HeadlessChart(QSize size) : area(size) {
  surface.Attach(nullptr, &area);
  surface.SetRedrawHandler([this] { Redraw(); });
  settings.ApplyToSurface();
  Redraw();
}

HeadlessChart::~HeadlessChart() {
  surface.SetRedrawHandler(nullptr);
  surface.Canvas = nullptr;
  surface.Control = nullptr;
}

void HeadlessChart::Redraw() {
  surface.Clear(settings.Style().Background());
  DrawChart(settings, status);
  surface.RefreshControl();
}

void HeadlessChart::ToggleRelativeCursor() {
  settings.SetRelativeCursor(!settings.IsRelativeCursor());
  Redraw();
}

void HeadlessChart::ChooseHighlight(int mode) {
  settings.SetHighlight(mode);
  Redraw();
}

}  // namespace hygrovia
