#include "app/output/qt_canvas.h"
#include "surface/pixel_lines.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPalette>
#include <QPen>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace hygrovia {

namespace {

// Far beyond any device: geometry is clipped to this many logical pixels either way, so that
// saturated coordinates from extreme zooms never reach the rasterizer's fixed-point range.
constexpr int kReach = 1 << 20;

// The system colour index of the button face, the chart's background.
constexpr Colour kButtonFaceIndex = 15;

QColor ButtonFaceColour() {
  if (QGuiApplication::instance() != nullptr) {
    return QGuiApplication::palette().color(QPalette::Button);
  }
  return QColor(240, 240, 240);
}

bool SupportsRasterOps(QPaintDevice* device, QPaintEngine* engine) {
  // Vector engines claim the feature but only record the operations, which the programs
  // that show a picture ignore; only pixels can really be XORed.
  if (engine == nullptr || engine->type() != QPaintEngine::Raster) {
    return false;
  }
  // The raster operations are defined on these image formats only.
  if (device->devType() == QInternal::Image) {
    const QImage::Format format = static_cast<QImage*>(device)->format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
  }
  return true;
}

// The part of the segment inside the square of kReach around the origin (Liang-Barsky);
// nothing when the segment misses it.
std::optional<QLineF> ClipToReach(QLineF line) {
  const double reach = kReach;
  const double dx = line.dx();
  const double dy = line.dy();
  double enter = 0.0;
  double leave = 1.0;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {line.x1() + reach, reach - line.x1(), line.y1() + reach, reach - line.y1()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) {
        return std::nullopt;
      }
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  if (enter > leave) {
    return std::nullopt;
  }
  return QLineF(line.pointAt(enter), line.pointAt(leave));
}

// The device's size in logical pixels, the units all geometry is given in.
QSize LogicalSize(const QPaintDevice& device) {
  const qreal ratio = device.devicePixelRatioF();
  return {static_cast<int>(std::ceil(device.width() / ratio)),
          static_cast<int>(std::ceil(device.height() / ratio))};
}

// The pixels of the line from (x1, y1) to (x2, y2) that lie on a device of the given size,
// as runs along the line's main axis. Like the Windows device: one pixel per step along the
// main axis, the other coordinate rounded to the nearest pixel, the start pixel in and the
// end pixel out, so that a line to its own start draws nothing and the corners of an outline
// are drawn once each. Dotted lines keep every third pixel counted from the start. Only the
// steps that can fall on the device are visited, so far-away lines cost nothing.
std::vector<QRect> LineRuns(int x1, int y1, int x2, int y2, QSize device, bool dotted) {
  const std::int64_t dx = static_cast<std::int64_t>(x2) - x1;
  const std::int64_t dy = static_cast<std::int64_t>(y2) - y1;
  const bool x_major = std::abs(dx) >= std::abs(dy);
  const std::int64_t steps = std::max(std::abs(dx), std::abs(dy));
  const std::int64_t major_start = x_major ? x1 : y1;
  const std::int64_t minor_start = x_major ? y1 : x1;
  const std::int64_t major_delta = x_major ? dx : dy;
  const double minor_delta = static_cast<double>(x_major ? dy : dx);
  const std::int64_t major_size = x_major ? device.width() : device.height();
  const double minor_size = x_major ? device.height() : device.width();
  const std::int64_t direction = major_delta < 0 ? -1 : 1;
  // Steps i with major_start + direction * i inside [0, major_size).
  std::int64_t first = direction > 0 ? -major_start : major_start - major_size + 1;
  std::int64_t last = direction > 0 ? major_size - 1 - major_start : major_start;
  first = std::max<std::int64_t>(first, 0);
  last = std::min(last, steps - 1);

  std::vector<QRect> runs;
  auto emit_run = [&](std::int64_t from, std::int64_t to, std::int64_t minor) {
    const auto a = static_cast<int>(std::min(from, to));
    const auto length = static_cast<int>(std::abs(to - from) + 1);
    const auto m = static_cast<int>(minor);
    runs.push_back(x_major ? QRect(a, m, length, 1) : QRect(m, a, 1, length));
  };
  bool open = false;
  std::int64_t run_from = 0;
  std::int64_t run_to = 0;
  std::int64_t run_minor = 0;
  for (std::int64_t i = first; i <= last; ++i) {
    const double offset =
        std::round(minor_delta * static_cast<double>(i) / static_cast<double>(steps));
    const double minor = static_cast<double>(minor_start) + offset;
    const bool visible = minor >= 0.0 && minor < minor_size && (!dotted || i % 3 == 0);
    const std::int64_t major = major_start + direction * i;
    const auto minor_pixel = visible ? static_cast<std::int64_t>(minor) : 0;
    if (open && (!visible || minor_pixel != run_minor)) {
      emit_run(run_from, run_to, run_minor);
      open = false;
    }
    if (!visible) {
      continue;
    }
    if (!open) {
      open = true;
      run_from = major;
      run_minor = minor_pixel;
    }
    run_to = major;
  }
  if (open) {
    emit_run(run_from, run_to, run_minor);
  }
  return runs;
}

// The whole pixels of a solid line along a row or column: as long as the line, and its width
// rounded (at least one pixel) across, centred on the line.
QRectF AxisBand(const QLineF& line, float width) {
  const double across = std::max(1.0, std::round(static_cast<double>(width)));
  const double left = std::floor(std::min(line.x1(), line.x2()));
  const double top = std::floor(std::min(line.y1(), line.y2()));
  const double right = std::floor(std::max(line.x1(), line.x2()));
  const double bottom = std::floor(std::max(line.y1(), line.y2()));
  const double lead = std::floor(0.5 * (across - 1.0));
  if (line.y1() == line.y2()) return {left, top - lead, right - left + 1.0, across};
  return {left - lead, top, across, bottom - top + 1.0};
}

// The unit vector at right angles to the line; none for a line of no length.
QPointF NormalOf(const QLineF& line) {
  const double length = line.length();
  if (!(length > 0.0)) return {};
  return {-line.dy() / length, line.dx() / length};
}

// How far text and smooth lines may colour pixels beyond their boxes: glyph overhangs and
// anti-aliased edges.
constexpr int kGlyphOverhang = 3;

// The pixels a line `width` wide may touch, with its caps and blended edges.
QRect AroundLine(const QLineF& line, float width) {
  const int margin = static_cast<int>(std::ceil(static_cast<double>(width))) + 2;
  const QRect ends = QRectF(line.p1(), line.p2()).normalized().toAlignedRect();
  return ends.adjusted(-margin, -margin, margin, margin);
}

int HoldToReach(int v) { return std::clamp(v, -kReach, kReach); }

bool WithinReach(int x, int y) { return std::abs(x) <= kReach && std::abs(y) <= kReach; }

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A line wider than a pixel as hairlines side by side across its width, the outer ones on
// its edges: on pixels, stroked so, it comes out as a wide pen gives it, many times faster.
std::vector<QLineF> HairlinesAcross(const QLineF& line, float width) {
  const int count = static_cast<int>(std::ceil(width));
  const QPointF across = NormalOf(line) * ((width - 1.0) / (count - 1));
  const QPointF first = across * (-0.5 * (count - 1));
  std::vector<QLineF> hairlines;
  for (int i = 0; i < count; ++i) hairlines.push_back(line.translated(first + across * i));
  return hairlines;
}

}  // namespace

// Plain colours are red, green, blue triples; of the system colours the chart uses only the
// button face, the others are not used and come out black.
QColor ToQColor(Colour colour) {
  if (IsSystemColour(colour)) {
    return (colour & 0xFFu) == kButtonFaceIndex ? ButtonFaceColour() : QColor(Qt::black);
  }
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QtCanvas::QtCanvas(QPaintDevice* device) { SetDevice(device); }

QtCanvas::~QtCanvas() { SetDevice(nullptr); }

void QtCanvas::SetDevice(QPaintDevice* device) {
  if (painter_.isActive()) {
    painter_.end();
  }
  pixels_ = nullptr;
  blends_pixels_ = false;
  if (device == nullptr || !painter_.begin(device)) {
    return;
  }
  drawn_.SetBounds(QRect(QPoint(0, 0), LogicalSize(*device)));
  // Taken after begin, which gave the image its own buffer: the same pixels the painter writes.
  // Only images of 32-bit pixels are written directly; any other format is left to the painter.
  if (device->devType() == QInternal::Image && HasRasterOps() &&
      device->devicePixelRatioF() == 1.0) {
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
        format == QImage::Format_ARGB32_Premultiplied) {
      pixels_ = const_cast<uchar*>(image->constBits());
      pixels_stride_ = image->bytesPerLine();
      // Blending a colour over a pixel keeps it opaque or premultiplied, not straight alpha.
      blends_pixels_ = format != QImage::Format_ARGB32;
    }
  }
  // Antialiasing would blend edge pixels, and XOR marks could no longer erase themselves.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setFont(TextFont());
}

QPaintDevice* QtCanvas::Device() const { return painter_.isActive() ? painter_.device() : nullptr; }

bool QtCanvas::HasRasterOps() const {
  return painter_.isActive() && SupportsRasterOps(painter_.device(), painter_.paintEngine());
}

void QtCanvas::SetFont(const QString& family, int pointSize) {
  font_ = QFont(family, pointSize);
  if (painter_.isActive()) {
    painter_.setFont(TextFont());
  }
}

void QtCanvas::SetTextScale(float scale) {
  const float kept = std::isfinite(scale) && scale > 0.0f ? scale : 1.0f;
  if (kept == text_scale_) return;
  text_scale_ = kept;
  if (painter_.isActive()) {
    painter_.setFont(TextFont());
  }
}

QFont QtCanvas::TextFont() const {
  if (text_scale_ == 1.0f) return font_;
  QFont scaled = font_;
  scaled.setPointSizeF(font_.pointSizeF() * text_scale_);
  return scaled;
}

void QtCanvas::SetPen(Colour colour, int style, int width) {
  pen_colour_ = colour;
  pen_style_ = style;
  pen_width_ = width;
}

void QtCanvas::SetBrush(Colour colour, int /*style*/) { brush_colour_ = colour; }

void QtCanvas::SetTextColor(Colour colour) { text_colour_ = colour; }

Colour QtCanvas::TextColor() const { return text_colour_; }

void QtCanvas::SetMixMode(int mode) { mix_mode_ = mode; }

int QtCanvas::MixMode() const { return mix_mode_; }

void QtCanvas::SetOpaqueText(bool opaque) { opaque_text_ = opaque; }

bool QtCanvas::OpaqueText() const { return opaque_text_; }

void QtCanvas::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void QtCanvas::LineTo(int x, int y) {
  StrokeSegment(x_, y_, x, y);
  x_ = x;
  y_ = y;
}

void QtCanvas::StrokeSegment(int x1, int y1, int x2, int y2) {
  if (!painter_.isActive()) {
    return;
  }
  const QColor colour = ToQColor(pen_colour_);
  const bool dotted = pen_style_ == kPenDotted;
  if (HasRasterOps() && pen_width_ <= 1) {
    painter_.setCompositionMode(mix_mode_ == kMixXor ? QPainter::RasterOp_SourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
    const QSize size = LogicalSize(*painter_.device());
    const std::vector<QRect> runs = LineRuns(x1, y1, x2, y2, size, dotted);
    drawn_.AddRuns(runs);
    if (WriteRuns(runs, colour)) return;
    for (const QRect& run : runs) {
      painter_.fillRect(run, colour);
    }
    return;
  }
  // Pictures get real lines that scale with the picture; wide pens are rare enough that
  // the toolkit's own stroker serves them.
  const std::optional<QLineF> line = ClipToReach(QLineF(x1, y1, x2, y2));
  if (!line || (x1 == x2 && y1 == y2)) {
    return;
  }
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setPen(
      QPen(colour, std::max(1, pen_width_), dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap));
  painter_.drawLine(*line);
  drawn_.Add(AroundLine(*line, static_cast<float>(pen_width_)));
}

bool QtCanvas::WriteRuns(const std::vector<QRect>& runs, const QColor& colour) {
  if (pixels_ == nullptr) return false;
  // What the painter does with an opaque colour on these formats: XOR leaves the alpha as it
  // is, a plain fill sets the pixel to the colour.
  const QRgb rgb = colour.rgb() & 0x00FFFFFFu;
  const bool xored = mix_mode_ == kMixXor;
  for (const QRect& run : runs) {
    for (int y = run.top(); y <= run.bottom(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(pixels_ + pixels_stride_ * y);
      for (int x = run.left(); x <= run.right(); ++x) {
        row[x] = xored ? row[x] ^ rgb : 0xFF000000u | rgb;
      }
    }
  }
  return true;
}

QFontMetrics QtCanvas::Metrics() const {
  const QFont font = TextFont();
  return painter_.isActive() ? QFontMetrics(font, painter_.device()) : QFontMetrics(font);
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
  // A text that far off lies outside every device.
  if (!painter_.isActive() || !WithinReach(x, y)) {
    return;
  }
  const QString s = FromUtf8(text);
  const QFontMetrics metrics = Metrics();
  // Texts are never XORed: marks carry none, and a text drawn again simply stays.
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  const QRect box(x, y, metrics.horizontalAdvance(s), metrics.height());
  if (opaque_text_) {
    painter_.fillRect(box, Qt::white);
  }
  // Glyphs may reach a little beyond their advance and line height.
  drawn_.Add(box.adjusted(-kGlyphOverhang, -kGlyphOverhang, kGlyphOverhang, kGlyphOverhang));
  painter_.setPen(ToQColor(text_colour_));
  painter_.drawText(QPoint(x, y + metrics.ascent()), s);
}

int QtCanvas::TextWidth(std::string_view text) {
  return std::max(0, Metrics().horizontalAdvance(FromUtf8(text)));
}

int QtCanvas::TextHeight(std::string_view /*text*/) { return std::max(0, Metrics().height()); }

void QtCanvas::InvertRect(int left, int top, int right, int bottom) {
  left = HoldToReach(left);
  top = HoldToReach(top);
  right = HoldToReach(right);
  bottom = HoldToReach(bottom);
  if (!painter_.isActive() || right <= left || bottom <= top) {
    return;
  }
  const QRect rect(left, top, right - left, bottom - top);
  drawn_.Add(rect);
  if (HasRasterOps()) {
    painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter_.fillRect(rect, Qt::black);
    return;
  }
  // A picture has no pixels to invert; a filled inside still marks the item.
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.fillRect(rect, ToQColor(pen_colour_));
}

void QtCanvas::SmoothLine(float x1, float y1, float x2, float y2, float width) {
  const bool finite = std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) &&
                      std::isfinite(y2) && std::isfinite(width);
  if (!painter_.isActive() || !finite || !(width > 0.0f)) {
    return;
  }
  const std::optional<QLineF> line = ClipToReach(QLineF(x1, y1, x2, y2));
  if (!line || (x1 == x2 && y1 == y2)) {
    return;
  }
  drawn_.Add(AroundLine(*line, width));
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  // A solid line along a pixel row or column is a band of whole pixels: crisp, and far quicker
  // to fill than to stroke.
  if (pen_style_ != kPenDotted && (x1 == x2 || y1 == y2)) {
    painter_.fillRect(AxisBand(*line, width), ToQColor(pen_colour_));
    return;
  }
  if (pen_style_ != kPenDotted && BlendLine(*line, width)) return;
  painter_.setRenderHint(QPainter::Antialiasing, true);
  const Qt::PenStyle style = pen_style_ == kPenDotted ? Qt::DotLine : Qt::SolidLine;
  const bool raster = painter_.paintEngine()->type() == QPaintEngine::Raster;
  if (!raster || width <= 1.0f) {
    painter_.setPen(QPen(ToQColor(pen_colour_), width, style, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawLine(*line);
  } else {
    painter_.setPen(QPen(ToQColor(pen_colour_), 1.0, style, Qt::RoundCap, Qt::RoundJoin));
    for (const QLineF& hairline : HairlinesAcross(*line, width)) painter_.drawLine(hairline);
  }
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

bool QtCanvas::BlendLine(const QLineF& line, float width) {
  if (pixels_ == nullptr || !blends_pixels_) return false;
  const QSize size = LogicalSize(*painter_.device());
  const PixelRows rows{reinterpret_cast<std::uint32_t*>(pixels_),
                       static_cast<std::ptrdiff_t>(pixels_stride_ / sizeof(std::uint32_t)),
                       size.width(), size.height()};
  const QRgb rgb = ToQColor(pen_colour_).rgb();
  // As the toolkit draws them: a line thinner than a pixel fades, a wider one is laid as
  // hairlines side by side across its width.
  if (width <= 1.0f) {
    BlendSmoothLine(rows, line.x1(), line.y1(), line.x2(), line.y2(), rgb, width);
    return true;
  }
  for (const QLineF& hairline : HairlinesAcross(line, width)) {
    BlendSmoothLine(rows, hairline.x1(), hairline.y1(), hairline.x2(), hairline.y2(), rgb, 1.0);
  }
  return true;
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
  left = HoldToReach(left);
  top = HoldToReach(top);
  right = HoldToReach(right);
  bottom = HoldToReach(bottom);
  if (!painter_.isActive() || right <= left || bottom <= top) {
    return;
  }
  const QRect rect(left, top, right - left, bottom - top);
  drawn_.Add(rect);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.fillRect(rect, ToQColor(brush_colour_));
}

}  // namespace hygrovia
