#ifndef HYGROVIA_APP_OUTPUT_QT_CANVAS_H
#define HYGROVIA_APP_OUTPUT_QT_CANVAS_H

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QRegion>
#include <QString>
#include <string_view>
#include <vector>

#include "app/output/picture_damage.h"
#include "surface/canvas.h"
#include "surface/colour.h"

class QPaintDevice;

namespace hygrovia {

// The Qt colour of a chart colour: a red, green, blue triple, or the button face among the
// system colours (the others come out black).
QColor ToQColor(Colour colour);

// The canvas on a Qt paint device: an off-screen QImage for the screen, or a vector picture
// (QSvgGenerator) or printer page. Drawing is aliased so that XOR marks erase exactly; only
// SmoothLine anti-aliases. On
// devices without raster operations (pictures, printers) XOR strokes are drawn plainly and
// inverted rectangles are filled with the pen colour.
//
// All geometry is in logical pixels; an image with a device pixel ratio above 1 is drawn at
// its full resolution, each logical pixel covering a block of device pixels.
class QtCanvas : public Canvas {
 public:
  QtCanvas() = default;
  explicit QtCanvas(QPaintDevice* device);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // Ends painting on the current device and starts on `device` (none when null). A device
  // must not go away or change size while it is being painted on: switch away first.
  void SetDevice(QPaintDevice* device);
  QPaintDevice* Device() const;
  // True when XOR and inversion work on the device (images).
  bool HasRasterOps() const;
  // What was drawn since the last call, in logical pixels, so the screen copies only that.
  QRegion TakeDrawn() { return drawn_.Take(); }

  void SetFont(const QString& family, int pointSize);
  // The font set, before any text scale.
  const QFont& Font() const { return font_; }

  void SetPen(Colour colour, int style, int width) override;
  void SetBrush(Colour colour, int style) override;
  void SetTextColor(Colour colour) override;
  Colour TextColor() const override;
  void SetMixMode(int mode) override;
  int MixMode() const override;
  void SetOpaqueText(bool opaque) override;
  bool OpaqueText() const override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void InvertRect(int left, int top, int right, int bottom) override;
  void FillRect(int left, int top, int right, int bottom) override;
  void SmoothLine(float x1, float y1, float x2, float y2, float width) override;
  void SetTextScale(float scale) override;

 private:
  QFontMetrics Metrics() const;
  // The font scaled by the text scale; the font itself at scale 1.
  QFont TextFont() const;
  void StrokeSegment(int x1, int y1, int x2, int y2);
  // Sets the runs of a thin line straight into the image's pixels; false when the device is
  // not an image whose pixels can be written so (then the painter fills them).
  bool WriteRuns(const std::vector<QRect>& runs, const QColor& colour);
  // Blends a solid smooth line straight into the image's pixels; false when they cannot be
  // written so.
  bool BlendLine(const QLineF& line, float width);

  QPainter painter_;
  PictureDamage drawn_;
  // The pixels of an image of one device pixel per logical pixel in a 32-bit format, the very
  // buffer the painter draws into; null for other devices.
  uchar* pixels_ = nullptr;
  qsizetype pixels_stride_ = 0;
  bool blends_pixels_ = false;  // smooth lines may be blended into the pixels
  QFont font_;
  float text_scale_ = 1.0f;
  Colour pen_colour_ = kBlack;
  int pen_style_ = kPenSolid;
  int pen_width_ = 1;
  Colour brush_colour_ = kWhite;
  Colour text_colour_ = kBlack;
  int mix_mode_ = kMixCopy;
  bool opaque_text_ = false;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_QT_CANVAS_H
