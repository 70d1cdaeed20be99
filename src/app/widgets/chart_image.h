#ifndef HYGROVIA_APP_WIDGETS_CHART_IMAGE_H
#define HYGROVIA_APP_WIDGETS_CHART_IMAGE_H

#include <QImage>
#include <QWidget>
#include <functional>

#include "surface/canvas.h"

class QPaintDevice;
class QPaintEvent;

namespace hygrovia {

// The control that shows the chart: an off-screen picture the drawing surface paints on,
// copied to the screen when the control repaints. The picture has the screen's pixel density
// while all geometry stays in logical pixels, so the chart is sharp on dense screens.
class ChartImage : public QWidget, public SurfaceControl {
 public:
  explicit ChartImage(QWidget* parent);

  QImage& Picture() { return picture_; }
  // True when the picture no longer covers the control at the screen's pixel density. The
  // picture grows but never shrinks, so resizing the window back and forth allocates little.
  bool PictureTooSmall() const;
  // Replaces the picture with one that covers the control; the canvas drawing on the old one
  // must be switched away first.
  void GrowPicture();

  // Draws over the picture on the control at every paint, clipped to what is repainted: the
  // marks of a style that never XORs them into the picture. None by default.
  void SetOverlayPainter(std::function<void(QPaintDevice& device)> painter);
  // Called after each repaint the drawing surface asks for, once the picture is on screen.
  void SetRepaintHandler(std::function<void()> handler);

  // The client size, at least one pixel each way.
  int ClientWidth() const override;
  int ClientHeight() const override;
  void RepaintNow() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize NeededPixels() const;

  QImage picture_;
  std::function<void(QPaintDevice& device)> overlay_;
  std::function<void()> repainted_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_CHART_IMAGE_H
