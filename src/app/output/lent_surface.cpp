#include "app/output/lent_surface.h"

#include "drawing/chart_drawing.h"
#include "session/chart_session.h"

namespace hygrovia {

LentSurface::LentSurface(ChartSession& session, QSize size, Canvas* canvas)
    : session_(session), saved_(session.Surface()), area_(size) {
  DrawingSurface& surface = session_.Surface();
  // Nothing the output draws may start a redraw of the screen in between.
  surface.SetRedrawHandler(nullptr);
  surface.MarksOverPicture = false;
  surface.PictureOutput = 0;
  surface.Canvas = canvas;
  surface.Attach(canvas, &area_);
  session_.Settings().ApplyToSurface();
}

LentSurface::~LentSurface() {
  DrawingSurface& surface = session_.Surface();
  surface = saved_;
  // The drawing for the output left size-dependent bookkeeping (label slopes, placed labels)
  // behind; the screen's own drawing puts it back.
  surface.Redraw();
}

void LentSurface::Redraw() {
  ChartSettings& settings = session_.Settings();
  session_.Surface().Clear(settings.Style().Background());
  DrawChart(settings, session_.Status());
  session_.Surface().RefreshControl();
}

}  // namespace hygrovia
