#include "surface/drawing_surface.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "surface/pixel.h"
#include "surface/virtual_keys.h"

namespace hygrovia {

namespace {

// Margins and text rows are measured in sizes of this letter.
constexpr std::string_view kMeasureText = "W";
// Snap steps at or below this switch snapping off rather than divide by them.
constexpr double kSnapOff = 1e-6;
// Relative zoom of one plus or minus key.
constexpr float kKeyZoomStep = 0.1f;

float SnapAxis(float v, float step) {
  if (!(static_cast<double>(step) > kSnapOff)) {
    return v;
  }
  const float half = v >= 0.0f ? step * 0.5f : -step * 0.5f;
  return std::trunc((v + half) / step) * step;
}

// The offset that keeps the device position `centre` in place when the scale grows by factor.
float ZoomedOffset(float offset, float centre, float factor) {
  return static_cast<float>(TruncToPixel(centre - factor * (centre - offset)));
}

// First grid line at or left of (below) min for negative ranges; at min itself otherwise.
float GridStart(float min, float step) { return min >= 0.0f ? min : std::trunc(min / step) * step; }

// Calls draw(v) for v = start, start + step, ... while v <= end, at most `limit` times. A
// step that is not positive or a start at infinity gives no lines at all.
template <typename Draw>
void ForEachGridValue(float start, float end, float step, int limit, Draw draw) {
  if (!(step > 0.0f) || !std::isfinite(start)) {
    return;
  }
  float v = start;
  for (int count = 0; count < limit && v <= end; ++count) {
    draw(v);
    v += step;
  }
}

}  // namespace

bool Overlap(const TextBox& a, const TextBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void DrawingSurface::Attach(hygrovia::Canvas* canvas, SurfaceControl* control) {
  if (canvas != nullptr) {
    Canvas = canvas;
    canvas->SetTextScale(TextScale);
  }
  Control = control;
  if (control != nullptr) {
    DeviceWidth = control->ClientWidth();
    DeviceHeight = control->ClientHeight();
  }
}

void DrawingSurface::SetRedrawHandler(std::function<void()> handler) {
  redraw_handler_ = std::move(handler);
}

void DrawingSurface::Redraw() {
  if (redraw_handler_) {
    redraw_handler_();
  }
}

void DrawingSurface::RefreshControl() {
  if (Control != nullptr) {
    Control->RepaintNow();
  }
}

void DrawingSurface::Clear(Colour colour) {
  if (Control == nullptr || PictureOutput != 0 || Canvas == nullptr) {
    return;
  }
  Canvas->SetBrush(colour, kBrushSolid);
  Canvas->FillRect(0, 0, Control->ClientWidth(), Control->ClientHeight());
}

void DrawingSurface::SetPen(Colour colour, int style, int width) {
  lineWidth_ = static_cast<float>(width);
  if (Canvas != nullptr) {
    Canvas->SetPen(colour, style, width);
  }
}

void DrawingSurface::SetSmoothPen(Colour colour, int style, float width) {
  SetPen(colour, style, std::max(1, static_cast<int>(std::lround(width))));
  lineWidth_ = width;
}

void DrawingSurface::SetTextScale(float scale) {
  TextScale = std::isfinite(scale) && scale > 0.0f ? scale : 1.0f;
  if (Canvas != nullptr) {
    Canvas->SetTextScale(TextScale);
  }
}

void DrawingSurface::SetOpaqueText(bool opaque) {
  if (Canvas != nullptr) {
    Canvas->SetOpaqueText(opaque);
  }
}

bool DrawingSurface::LeavesOutMark() const {
  return MarksOverPicture && Canvas != nullptr && Canvas->MixMode() == kMixXor;
}

void DrawingSurface::SmoothStroke(float x1, float y1, float x2, float y2) {
  Canvas->SmoothLine(x1, y1, x2, y2, lineWidth_);
}

void DrawingSurface::SetBrush(Colour colour, int style) {
  if (Canvas != nullptr) {
    Canvas->SetBrush(colour, style);
  }
}

void DrawingSurface::SetTextColor(Colour colour) {
  if (Canvas != nullptr) {
    Canvas->SetTextColor(colour);
  }
}

void DrawingSurface::SetMixMode(int mode) {
  if (Canvas != nullptr) {
    Canvas->SetMixMode(mode);
  }
}

void DrawingSurface::SetXRange(float a, float b) {
  if (b > a) {
    MinX = a;
    MaxX = b;
  } else if (b < a) {
    MinX = b;
    MaxX = a;
  }
}

void DrawingSurface::SetYRange(float a, float b) {
  if (b > a) {
    MinY = a;
    MaxY = b;
  } else if (b < a) {
    MinY = b;
    MaxY = a;
  }
}

void DrawingSurface::SetSnap(float sx, float sy) {
  SnapX = sx;
  SnapY = sy;
}

void DrawingSurface::SetGridStep(float gx, float gy) {
  GridStepX = gx;
  GridStepY = gy;
}

void DrawingSurface::SetMargins(float left, float right, float top, float bottom) {
  MarginLeft = left;
  MarginRight = right;
  MarginTop = top;
  MarginBottom = bottom;
}

PointF DrawingSurface::WorldToDevice(float x, float y) const {
  return {(x - MinX) * ScaleX + OffsetX,
          static_cast<float>(DeviceHeight) - ((y - MinY) * ScaleY + OffsetY)};
}

PointF DrawingSurface::DeviceToWorld(int x, int y) const {
  // A zero scale (a window no larger than its margins) maps every pixel to the minimum
  // instead of dividing by zero.
  const auto up = static_cast<float>(static_cast<std::int64_t>(DeviceHeight) - y);
  const PointF world{SafeDivide(static_cast<float>(x) - OffsetX, ScaleX) + MinX,
                     SafeDivide(up - OffsetY, ScaleY) + MinY};
  return SnapPoint(world);
}

PointF DrawingSurface::SnapPoint(PointF p) const {
  return {SnapAxis(p.x, SnapX), SnapAxis(p.y, SnapY)};
}

float DrawingSurface::TextHeightPixels(std::string_view text) const {
  return Canvas != nullptr ? static_cast<float>(Canvas->TextHeight(text)) : 0.0f;
}

float DrawingSurface::TextWidthPixels(std::string_view text) const {
  return Canvas != nullptr ? static_cast<float>(Canvas->TextWidth(text)) : 0.0f;
}

float DrawingSurface::TextHeightWorld(std::string_view text) const {
  return SafeDivide(TextHeightPixels(text), ScaleY);
}

float DrawingSurface::WorldWidth() const { return MaxX - MinX; }

PointF DrawingSurface::TextRowPosition(float fraction, int row) const {
  return {MinX + WorldWidth() * fraction,
          MaxY - TextHeightWorld(kMeasureText) * (static_cast<float>(row) + 0.5f)};
}

void DrawingSurface::DrawLine(float x1, float y1, float x2, float y2) {
  if (Canvas == nullptr || LeavesOutMark()) {
    return;
  }
  const PointF from = WorldToDevice(x1, y1);
  const PointF to = WorldToDevice(x2, y2);
  if (Smooth) {
    SmoothStroke(from.x, from.y, to.x, to.y);
    return;
  }
  Canvas->MoveTo(TruncToPixel(from.x), TruncToPixel(from.y));
  Canvas->LineTo(TruncToPixel(to.x), TruncToPixel(to.y));
}

void DrawingSurface::DrawArrow(float x1, float y1, float x2, float y2, float size) {
  DrawLine(x1, y1, x2, y2);
  // The barbs are built in world units, so their pixel shape follows the two scales.
  const float angle = DirectionAngle(x1, y1, x2, y2);
  const float d = size * MarkerUnit;
  for (const float side : {-d, d}) {
    const PointF barb = RotateAbout(x2 - 4.0f * d, y2 + side, x2, y2, angle);
    DrawLine(x2, y2, barb.x, barb.y);
  }
}

void DrawingSurface::DrawCross(float x, float y, int half) {
  if (Canvas == nullptr || LeavesOutMark()) {
    return;
  }
  const PointF p = WorldToDevice(x, y);
  if (Smooth) {
    const auto h = static_cast<float>(half);
    SmoothStroke(p.x - h, p.y, p.x + h, p.y);
    SmoothStroke(p.x, p.y - h, p.x, p.y + h);
    return;
  }
  const double fx = p.x;
  const double fy = p.y;
  const int px = TruncToPixel(fx);
  const int py = TruncToPixel(fy);
  // Each end is moved from the device point before it is truncated, like every other pixel.
  // The far ends reach one pixel further because LineTo leaves out its end pixel.
  Canvas->MoveTo(TruncToPixel(fx - half), py);
  Canvas->LineTo(TruncToPixel(fx + half + 1), py);
  Canvas->MoveTo(px, TruncToPixel(fy - half));
  Canvas->LineTo(px, TruncToPixel(fy + half + 1));
}

void DrawingSurface::DrawSquare(float x, float y, int invert, int half) {
  if (Canvas == nullptr || LeavesOutMark()) {
    return;
  }
  const PointF p = WorldToDevice(x, y);
  const auto h = static_cast<float>(half);
  const int left = TruncToPixel(p.x - h);
  const int top = TruncToPixel(p.y - h);
  const int right = TruncToPixel(p.x + h);
  const int bottom = TruncToPixel(p.y + h);
  if (invert == 1) {
    // Only the inside, so the outline drawn below stays as it is.
    Canvas->InvertRect(OffsetPixel(left, 1), OffsetPixel(top, 1), right, bottom);
  }
  if (Smooth) {
    const float l = p.x - h;
    const float t = p.y - h;
    const float r = p.x + h;
    const float b = p.y + h;
    SmoothStroke(l, t, r, t);
    SmoothStroke(r, t, r, b);
    SmoothStroke(r, b, l, b);
    SmoothStroke(l, b, l, t);
    return;
  }
  Canvas->MoveTo(left, top);
  Canvas->LineTo(right, top);
  Canvas->LineTo(right, bottom);
  Canvas->LineTo(left, bottom);
  Canvas->LineTo(left, top);
}

TextBox DrawingSurface::PlaceText(float x, float y, std::string_view text, int hAlign,
                                  int vAlign) const {
  return PlaceDeviceText(WorldToDevice(x, y), text, hAlign, vAlign);
}

TextBox DrawingSurface::PlaceDeviceText(PointF p, std::string_view text, int hAlign,
                                        int vAlign) const {
  const float th = TextHeightPixels(text);
  const float tw = TextWidthPixels(text);
  if (hAlign == kAlignEnd) {
    p.x -= tw;
  } else if (hAlign == kAlignCentre) {
    p.x -= tw * 0.5f;
  }
  if (vAlign == kAlignBelow) {
    p.y += th * 0.25f;
  } else if (vAlign == kAlignMiddle) {
    p.y -= th * 0.5f;
  } else if (vAlign == kAlignAbove) {
    p.y -= th;
  }
  return {p.x, p.y, p.x + tw, p.y + th};
}

void DrawingSurface::DrawText(float x, float y, std::string_view text, int hAlign, int vAlign) {
  if (Canvas == nullptr || LeavesOutMark()) {
    return;
  }
  const TextBox box = PlaceText(x, y, text, hAlign, vAlign);
  Canvas->TextOut(TruncToPixel(box.left), TruncToPixel(box.top), text);
}

void DrawingSurface::DrawTextInBox(const TextBox& box, std::string_view text) {
  if (Canvas == nullptr || LeavesOutMark()) {
    return;
  }
  Canvas->TextOut(TruncToPixel(box.left), TruncToPixel(box.top), text);
}

void DrawingSurface::DrawLabel(float x, float y, std::string_view text, int shadow) {
  if (Canvas == nullptr) {
    return;
  }
  const bool saved_opaque = Canvas->OpaqueText();
  const Colour saved_colour = Canvas->TextColor();
  Canvas->SetOpaqueText(true);
  PointF p = WorldToDevice(x, y);
  p.y -= TextHeightPixels(text) * 0.5f;
  const int px = TruncToPixel(p.x);
  const int py = TruncToPixel(p.y);
  // A picture is scaled by whoever pastes it; a one-pixel shadow would only smear there.
  if (shadow == 1 && PictureOutput == 0) {
    Canvas->SetTextColor(kWhite);
    Canvas->TextOut(OffsetPixel(px, 1), OffsetPixel(py, 1), text);
    Canvas->SetTextColor(kBlack);
    Canvas->SetOpaqueText(false);
  }
  Canvas->TextOut(px, py, text);
  Canvas->SetTextColor(saved_colour);
  Canvas->SetOpaqueText(saved_opaque);
}

void DrawingSurface::DrawGrid() {
  SetPen(kWhite, kPenDotted, 1);
  ForEachGridValue(GridStart(MinX, GridStepX), MaxX, GridStepX, kMaxGridLines,
                   [this](float x) { DrawLine(x, MinY, x, MaxY); });
  ForEachGridValue(GridStart(MinY, GridStepY), MaxY, GridStepY, kMaxGridLines,
                   [this](float y) { DrawLine(MinX, y, MaxX, y); });
}

void DrawingSurface::ZoomAboutCentre(float factor) {
  ScaleX *= factor;
  ScaleY *= factor;
  OffsetX = ZoomedOffset(OffsetX, static_cast<float>(DeviceWidth) * 0.5f, factor);
  OffsetY = ZoomedOffset(OffsetY, static_cast<float>(DeviceHeight) * 0.5f, factor);
}

int DrawingSurface::AvailableWidth() const {
  const float tw = TextWidthPixels(kMeasureText);
  return TruncToPixel(static_cast<float>(DeviceWidth) - tw * (MarginLeft + MarginRight));
}

bool DrawingSurface::ZoomAboutPoint(float factor, int x, int y) {
  const float ww = MaxX - MinX;
  const float fitted = ww > 0.0f ? static_cast<float>(AvailableWidth()) / ww * FitFraction : 1.0f;
  if (!(fitted > 0.0f) || !(ScaleX > 0.0f) || !std::isfinite(factor)) {
    return false;
  }
  // A view already beyond a limit (zoomed there by the buttons) only moves back towards it.
  const float scale = factor > 1.0f
                          ? std::min(ScaleX * factor, std::max(ScaleX, fitted * kMaxZoom))
                          : std::max(ScaleX * factor, std::min(ScaleX, fitted * kMinZoom));
  const float applied = scale / ScaleX;
  if (applied == 1.0f || !std::isfinite(applied)) {
    return false;
  }
  ScaleX *= applied;
  ScaleY *= applied;
  // OffsetY counts up from the bottom edge, as the pixel's height above it does.
  const auto up = static_cast<float>(static_cast<std::int64_t>(DeviceHeight) - y);
  OffsetX = ZoomedOffset(OffsetX, static_cast<float>(x), applied);
  OffsetY = ZoomedOffset(OffsetY, up, applied);
  return true;
}

void DrawingSurface::Fit(float fraction, int width, int height) {
  DeviceWidth = width;
  DeviceHeight = height;
  const float ww = MaxX - MinX;
  const float wh = MaxY - MinY;
  const float th = TextHeightPixels(kMeasureText);
  const int avail_h = TruncToPixel(static_cast<float>(height) - th * (MarginTop + MarginBottom));
  const float tw = TextWidthPixels(kMeasureText);
  const int avail_w = AvailableWidth();
  // An empty world rectangle keeps a unit scale instead of dividing by zero.
  ScaleX = ww > 0.0f ? static_cast<float>(avail_w) / ww * fraction : 1.0f;
  ScaleY = wh > 0.0f ? static_cast<float>(avail_h) / wh * fraction : 1.0f;
  OffsetX = static_cast<float>(
      TruncToPixel(tw * MarginLeft + (static_cast<float>(avail_w) - ww * ScaleX) * 0.5f));
  OffsetY = static_cast<float>(
      TruncToPixel(th * MarginBottom + (static_cast<float>(avail_h) - wh * ScaleY) * 0.5f));
  MarkerUnit = 0.005f * Distance(MinX, MinY, MaxX, MaxY);
  FitFraction = fraction;
}

bool DrawingSurface::HandleKey(int virtualKey, bool fine) {
  const float step = fine ? 0.01f : 0.1f;
  const auto width = static_cast<float>(DeviceWidth);
  const auto height = static_cast<float>(DeviceHeight);
  const float cx = width * 0.5f;
  const float cy = height * 0.5f;
  switch (virtualKey) {
    case kKeyHome:
      Fit(FitFraction, DeviceWidth, DeviceHeight);
      break;
    case kKeyLeft:
      OffsetX += step * width;
      break;
    case kKeyUp:
      OffsetY -= step * height;
      break;
    case kKeyRight:
      OffsetX -= step * width;
      break;
    case kKeyDown:
      OffsetY += step * height;
      break;
    case kKeyPadPlus:
    case kKeyPlusEquals:
      ScaleX += kKeyZoomStep * ScaleX;
      ScaleY += kKeyZoomStep * ScaleY;
      OffsetX = ZoomedOffset(OffsetX, cx, 1.0f + kKeyZoomStep);
      OffsetY = ZoomedOffset(OffsetY, cy, 1.0f + kKeyZoomStep);
      break;
    case kKeyPadMinus:
    case kKeyMinus:
      // Mirrors the zoom-in offset about the old one: the centre stays for the factor 1 - step.
      ScaleX -= kKeyZoomStep * ScaleX;
      ScaleY -= kKeyZoomStep * ScaleY;
      OffsetX = 2.0f * OffsetX - ZoomedOffset(OffsetX, cx, 1.0f + kKeyZoomStep);
      OffsetY = 2.0f * OffsetY - ZoomedOffset(OffsetY, cy, 1.0f + kKeyZoomStep);
      break;
    default:
      return false;
  }
  Redraw();
  return true;
}

bool DrawingSurface::DragPan(int x, int y, bool active) {
  if (!active) {
    LastMouseX = x;
    LastMouseY = y;
    return true;
  }
  if (x == LastMouseX && y == LastMouseY) {
    return false;
  }
  OffsetX += static_cast<float>(static_cast<std::int64_t>(x) - LastMouseX);
  OffsetY -= static_cast<float>(static_cast<std::int64_t>(y) - LastMouseY);
  LastMouseX = x;
  LastMouseY = y;
  return true;
}

}  // namespace hygrovia
