#include "app/widgets/chart_image.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <algorithm>
#include <cmath>
#include <utility>

namespace hygrovia {

ChartImage::ChartImage(QWidget* parent) : QWidget(parent) {
  // The picture covers the whole control, so nothing needs erasing before a paint.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize ChartImage::NeededPixels() const {
  const qreal ratio = devicePixelRatioF();
  return QSize(static_cast<int>(std::ceil(ClientWidth() * ratio)),
               static_cast<int>(std::ceil(ClientHeight() * ratio)));
}

bool ChartImage::PictureTooSmall() const {
  const QSize needed = NeededPixels();
  return picture_.isNull() || picture_.devicePixelRatio() != devicePixelRatioF() ||
         picture_.width() < needed.width() || picture_.height() < needed.height();
}

void ChartImage::GrowPicture() {
  const qreal ratio = devicePixelRatioF();
  QSize size = NeededPixels();
  if (!picture_.isNull() && picture_.devicePixelRatio() == ratio) {
    size = size.expandedTo(picture_.size());
  }
  picture_ = QImage(size, QImage::Format_RGB32);
  picture_.setDevicePixelRatio(ratio);
  picture_.fill(palette().color(QPalette::Button));
}

int ChartImage::ClientWidth() const { return std::max(1, width()); }

int ChartImage::ClientHeight() const { return std::max(1, height()); }

void ChartImage::RepaintNow() {
  repaint();
  if (repainted_) repainted_();
}

void ChartImage::SetRepaintHandler(std::function<void()> handler) {
  repainted_ = std::move(handler);
}

void ChartImage::SetOverlayPainter(std::function<void(QPaintDevice& device)> painter) {
  overlay_ = std::move(painter);
}

void ChartImage::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    const qreal ratio = picture_.devicePixelRatio();
    // Each rectangle of what is repainted on its own: a drag repaints a few small ones far apart.
    for (const QRect& rect : event->region()) {
      const QRectF area = rect;
      const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                          area.height() * ratio);
      painter.drawImage(area, picture_, source);
    }
  }
  if (overlay_) overlay_(*this);
}

}  // namespace hygrovia
