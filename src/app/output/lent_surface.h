#ifndef HYGROVIA_APP_OUTPUT_LENT_SURFACE_H
#define HYGROVIA_APP_OUTPUT_LENT_SURFACE_H

#include <QSize>

#include "surface/canvas.h"
#include "surface/drawing_surface.h"

namespace hygrovia {

class ChartSession;

// A chart area of a fixed client size with nothing to repaint: a picture's, or the chart of a
// run without a window.
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

// The session's drawing surface lent to an output for as long as this lives: attached to the
// output's canvas on an area of the output's size and fitted to the whole chart, with its
// marks drawn into the picture. Afterwards the surface is given back exactly as it was (canvas,
// control, zoom and pan) and the chart redrawn where it was shown, so every output draws the
// one session, never a copy of it, and the screen does not notice.
class LentSurface {
 public:
  LentSurface(ChartSession& session, QSize size, Canvas* canvas);
  ~LentSurface();
  LentSurface(const LentSurface&) = delete;
  LentSurface& operator=(const LentSurface&) = delete;

  // Clears the area to the style's background and draws the whole chart on the canvas.
  void Redraw();

 private:
  ChartSession& session_;
  DrawingSurface saved_;
  PictureArea area_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_LENT_SURFACE_H
