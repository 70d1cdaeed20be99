#include "app/output/chart_picture.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPicture>
#include <QSize>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "app/output/qt_canvas.h"
#include "drawing/chart_drawing.h"
#include "model/chart_settings.h"
#include "surface/canvas.h"
#include "surface/drawing_surface.h"
#include "surface/pixel.h"

namespace hygrovia {

namespace {

// The canvas paints nothing beyond this many pixels either way, so the frame stops there too.
constexpr int kReach = 1 << 20;

// Hands every call on to the picture's canvas and keeps the smallest rectangle holding all
// that was drawn: a recording's own bounds leave its texts out.
class FramingCanvas : public Canvas {
 public:
  explicit FramingCanvas(Canvas& inner) : inner_(inner) {}

  // At least one pixel each way, at the origin when nothing was drawn.
  QRect Frame() const {
    if (empty_) return {0, 0, 1, 1};
    return {left_, top_, right_ - left_, bottom_ - top_};
  }

  void SetPen(Colour colour, int style, int width) override { inner_.SetPen(colour, style, width); }
  void SetBrush(Colour colour, int style) override { inner_.SetBrush(colour, style); }
  void SetTextColor(Colour colour) override { inner_.SetTextColor(colour); }
  Colour TextColor() const override { return inner_.TextColor(); }
  void SetMixMode(int mode) override { inner_.SetMixMode(mode); }
  int MixMode() const override { return inner_.MixMode(); }
  void SetOpaqueText(bool opaque) override { inner_.SetOpaqueText(opaque); }
  bool OpaqueText() const override { return inner_.OpaqueText(); }

  void MoveTo(int x, int y) override {
    inner_.MoveTo(x, y);
    x_ = x;
    y_ = y;
  }

  void LineTo(int x, int y) override {
    inner_.LineTo(x, y);
    if (x != x_ || y != y_) {
      // A stroke one pixel wide covers the pixel right of and below each of its points.
      Include(std::min(x, x_), std::min(y, y_), std::max(x, x_) + 1, std::max(y, y_) + 1);
    }
    x_ = x;
    y_ = y;
  }

  void TextOut(int x, int y, std::string_view text) override {
    inner_.TextOut(x, y, text);
    Include(x, y, x + inner_.TextWidth(text), y + inner_.TextHeight(text));
  }

  int TextWidth(std::string_view text) override { return inner_.TextWidth(text); }
  int TextHeight(std::string_view text) override { return inner_.TextHeight(text); }

  void SmoothLine(float x1, float y1, float x2, float y2, float width) override {
    inner_.SmoothLine(x1, y1, x2, y2, width);
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
      return;
    }
    const float reach = 0.5f * width;
    Include(TruncToPixel(std::floor(std::min(x1, x2) - reach)),
            TruncToPixel(std::floor(std::min(y1, y2) - reach)),
            TruncToPixel(std::ceil(std::max(x1, x2) + reach)),
            TruncToPixel(std::ceil(std::max(y1, y2) + reach)));
  }

  void SetTextScale(float scale) override { inner_.SetTextScale(scale); }

  void InvertRect(int left, int top, int right, int bottom) override {
    inner_.InvertRect(left, top, right, bottom);
    Include(left, top, right, bottom);
  }

  void FillRect(int left, int top, int right, int bottom) override {
    inner_.FillRect(left, top, right, bottom);
    Include(left, top, right, bottom);
  }

 private:
  // Adds the rectangle (right and bottom exclusive), held to the canvas's reach.
  void Include(int left, int top, int right, int bottom) {
    left = std::clamp(left, -kReach, kReach);
    top = std::clamp(top, -kReach, kReach);
    right = std::clamp(right, -kReach, kReach);
    bottom = std::clamp(bottom, -kReach, kReach);
    if (right <= left || bottom <= top) return;
    if (empty_) {
      left_ = left;
      top_ = top;
      right_ = right;
      bottom_ = bottom;
      empty_ = false;
      return;
    }
    left_ = std::min(left_, left);
    top_ = std::min(top_, top);
    right_ = std::max(right_, right);
    bottom_ = std::max(bottom_, bottom);
  }

  Canvas& inner_;
  int x_ = 0;
  int y_ = 0;
  bool empty_ = true;
  int left_ = 0;
  int top_ = 0;
  int right_ = 0;
  int bottom_ = 0;
};

}  // namespace

std::optional<QRect> RecordChartPicture(ChartSettings& chart, StatusLine& status, QtCanvas& canvas,
                                        QPicture& picture) {
  DrawingSurface& surface = chart.Surface();
  hygrovia::Canvas* const screenCanvas = surface.Canvas;
  SurfaceControl* const screenControl = surface.Control;
  // Texts must measure as they do on screen, or the labels would not fit the chart's lines.
  if (const auto* screen = dynamic_cast<const QtCanvas*>(screenCanvas)) {
    canvas.SetFont(screen->Font().family(), screen->Font().pointSize());
  }
  QPicture drawing;
  canvas.SetDevice(&drawing);
  if (canvas.Device() == nullptr) return std::nullopt;

  FramingCanvas framing(canvas);
  surface.PictureOutput = 1;
  // Without a control the device size stays the screen's, and so do the zoom and the pan.
  surface.Attach(&framing, nullptr);
  DrawChart(chart, status);
  surface.PictureOutput = 0;
  surface.Attach(screenCanvas, screenControl);
  // Attach keeps the old canvas when given none; the framing canvas is about to go away.
  surface.Canvas = screenCanvas;
  canvas.SetDevice(nullptr);
  const std::optional<QRect> frame = framing.Frame();
  if (!frame || !chart.Style().OpaquePictures()) {
    picture = drawing;
    return frame;
  }
  // The background under all that was drawn, so the picture keeps its look on any page.
  QPainter painter;
  if (!painter.begin(&picture)) return std::nullopt;
  painter.fillRect(*frame, ToQColor(chart.Style().Background()));
  painter.drawPicture(0, 0, drawing);
  if (!painter.end()) return std::nullopt;
  return frame;
}

QByteArray PictureToSvg(const QPicture& picture, const QRect& frame) {
  QByteArray svg;
  QBuffer buffer(&svg);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  // The recording's resolution, so that its point-sized texts keep their pixel size.
  generator.setResolution(picture.logicalDpiY());
  generator.setSize(frame.size());
  generator.setViewBox(frame);
  generator.setTitle(QStringLiteral("Hygrovia"));
  generator.setDescription(QStringLiteral("Hygrovia"));
  QPainter painter;
  if (!painter.begin(&generator)) return {};
  painter.drawPicture(0, 0, picture);
  painter.end();
  return svg;
}

QImage PictureToImage(const QPicture& picture, const QRect& frame) {
  const double width = frame.width();
  const double height = frame.height();
  const double pixels = width * height;
  double scale = 1.0;
  if (pixels > static_cast<double>(kMaxImagePixels)) {
    scale = std::sqrt(static_cast<double>(kMaxImagePixels) / pixels);
  }
  scale = std::min({scale, kMaxImageSide / width, kMaxImageSide / height});
  const QSize size(std::max(1, static_cast<int>(width * scale)),
                   std::max(1, static_cast<int>(height * scale)));
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return image;
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.scale(scale, scale);
  painter.translate(-frame.topLeft());
  painter.drawPicture(0, 0, picture);
  return image;
}

}  // namespace hygrovia
