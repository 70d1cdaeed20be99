#ifndef HYGROVIA_SURFACE_DRAWING_SURFACE_H
#define HYGROVIA_SURFACE_DRAWING_SURFACE_H

#include <cstdint>
#include <functional>
#include <string_view>

#include "psychro/geometry.h"
#include "surface/canvas.h"
#include "surface/colour.h"
#include "surface/print_ink.h"

namespace hygrovia {

// The one layer every picture of the chart is drawn through: the view transform between
// world coordinates (dry bulb °C across, moisture content g/kg up) and device pixels (y down),
// the few primitives the chart needs, and the view commands (zoom, fit, pan). Pixel
// coordinates handed to the canvas are the float values truncated toward zero.
// A text's box on the device, pixels (y down), before truncation to whole pixels.
struct TextBox {
  float left = 0.0f;
  float top = 0.0f;
  float right = 0.0f;
  float bottom = 0.0f;
};

// True when the boxes share more than an edge.
bool Overlap(const TextBox& a, const TextBox& b);

class DrawingSurface {
 public:
  // Text alignment codes of DrawText. Across: where the point lies on the text.
  static constexpr int kAlignStart = 0;
  static constexpr int kAlignEnd = 2;
  static constexpr int kAlignCentre = 6;
  // Up: where the text lies relative to the point.
  static constexpr int kAlignBelow = 0;
  static constexpr int kAlignMiddle = 6;
  static constexpr int kAlignAbove = 8;

  std::int32_t DeviceWidth = 1;
  std::int32_t DeviceHeight = 1;
  // Non-zero while drawing a picture for the outside world instead of the screen.
  std::int32_t PictureOutput = 0;
  // Margins in heights (top, bottom) and widths (right, left) of the text "W".
  float MarginTop = 0.0f;
  float MarginBottom = 0.0f;
  float MarginRight = 0.0f;
  float MarginLeft = 0.0f;
  float GridStepX = 1000.0f;
  float GridStepY = 1000.0f;
  float MaxX = 8000.0f;
  float MaxY = 8000.0f;
  float MinX = 0.0f;
  float MinY = 0.0f;
  // Pan in pixels; OffsetY is measured upward from the bottom edge.
  float OffsetX = 0.0f;
  float OffsetY = 0.0f;
  // Pixels per world unit.
  float ScaleX = 1.0f;
  float ScaleY = 1.0f;
  float FitFraction = 0.95f;
  // A world length that sizes arrowheads; Fit makes it 0.005 of the world diagonal.
  float MarkerUnit = 4.0f;
  std::int32_t LastMouseX = 0;
  std::int32_t LastMouseY = 0;
  // Mouse button of the drag in progress on the chart; kNoDrag when none.
  static constexpr std::uint8_t kNoDrag = 255;
  std::uint8_t DragButton = kNoDrag;
  // Snap steps of DeviceToWorld, world units; 1e-6 or less switches snapping off.
  float SnapX = 1.0f;
  float SnapY = 1.0f;
  // Not owned. Without a canvas nothing is drawn and texts measure 0.
  hygrovia::Canvas* Canvas = nullptr;
  // Not owned; none while drawing a picture.
  SurfaceControl* Control = nullptr;
  // Smooth drawing: lines reach the canvas at fractions of a pixel, anti-aliased, as wide as
  // the last pen set; off, they go in whole pixels, one pixel wide, as XOR marks need.
  bool Smooth = false;
  // The control shows the marks (cursor, arrow, nodes) over the picture itself, so strokes and
  // texts in the XOR mix mode, which only marks use, are left out of the picture.
  bool MarksOverPicture = false;
  // Texts are this many times the size of the canvas's font; see SetTextScale.
  float TextScale = 1.0f;
  // A page for paper: marks, highlights and overlays take inks that read on white (MarkInk)
  // and are copied rather than XORed (MarkMixMode).
  bool PrintInks = false;

  // Binds the canvas (when given) and the control; a control gives the device size.
  void Attach(hygrovia::Canvas* canvas, SurfaceControl* control);
  // The application's full redraw; HandleKey calls it after a handled key.
  void SetRedrawHandler(std::function<void()> handler);
  void Redraw();
  // Makes the control show what was drawn at once.
  void RefreshControl();
  // Fills the control's client area with the colour; nothing in a picture or without control.
  void Clear(Colour colour);

  void SetPen(Colour colour, int style, int width);
  // A pen of fractional width (pixels) for smooth drawing; whole pixels otherwise.
  void SetSmoothPen(Colour colour, int style, float width);
  // Texts from now on, on this canvas and any attached later, scale times the font's size.
  void SetTextScale(float scale);
  // Opaque texts fill their box with white first (see Canvas::SetOpaqueText).
  void SetOpaqueText(bool opaque);
  void SetBrush(Colour colour, int style);
  void SetTextColor(Colour colour);
  // kMixXor (7) for marks drawn twice to erase them, kMixCopy (13) otherwise.
  void SetMixMode(int mode);
  // The colour of a mark, highlight or overlay, and the mix mode of marks, as the page takes
  // them: themselves on the screen and in pictures, dark and copied on paper.
  Colour MarkInk(Colour colour) const { return PrintInks ? PrintInk(colour) : colour; }
  int MarkMixMode() const { return PrintInks ? kMixCopy : kMixXor; }

  // The range becomes [min(a, b), max(a, b)]; an empty range (a == b) changes nothing.
  void SetXRange(float a, float b);
  void SetYRange(float a, float b);
  void SetSnap(float sx, float sy);
  void SetGridStep(float gx, float gy);
  void SetMargins(float left, float right, float top, float bottom);

  // Device position (pixels, y down, not truncated) of a world point; no clipping.
  PointF WorldToDevice(float x, float y) const;
  // World point under a device pixel, snapped; not held to the world rectangle.
  PointF DeviceToWorld(int x, int y) const;
  // Each axis rounded to the nearest multiple of its snap step, halves away from zero.
  PointF SnapPoint(PointF p) const;

  float TextHeightPixels(std::string_view text) const;
  float TextHeightWorld(std::string_view text) const;
  float WorldWidth() const;
  // World position of text row `row` (counted down from the top edge) at `fraction` across.
  PointF TextRowPosition(float fraction, int row) const;

  void DrawLine(float x1, float y1, float x2, float y2);
  // A line with a two-barb head at (x2, y2); barbs are 4 * size * MarkerUnit long.
  void DrawArrow(float x1, float y1, float x2, float y2, float size);
  // A cross of `half` pixels each way around the point.
  void DrawCross(float x, float y, int half);
  // The outline of a square of `half` pixels around the point; invert 1 also inverts inside.
  void DrawSquare(float x, float y, int invert, int half);
  // Where DrawText puts the text: its box in the current font, placed at the world point by
  // the alignment codes above. Without a canvas the box is empty.
  TextBox PlaceText(float x, float y, std::string_view text, int hAlign, int vAlign) const;
  // The same about a device point (pixels, y down).
  TextBox PlaceDeviceText(PointF p, std::string_view text, int hAlign, int vAlign) const;
  // Text whose box (from PlaceText) is the given one.
  void DrawTextInBox(const TextBox& box, std::string_view text);
  // Text placed by the alignment codes above.
  void DrawText(float x, float y, std::string_view text, int hAlign, int vAlign);
  // Text on an opaque background, vertically centred on the point; shadow 1 adds a white
  // shadow one pixel down and right (not in pictures).
  void DrawLabel(float x, float y, std::string_view text, int shadow);
  // The dotted white grid at GridStepX, GridStepY over the world rectangle. Each direction
  // draws at most kMaxGridLines lines, so any range and step finish at once; a step that is
  // not positive draws no lines in its direction.
  static constexpr int kMaxGridLines = 4096;
  void DrawGrid();

  // Zooms both axes by factor keeping the window centre in place.
  void ZoomAboutCentre(float factor);
  // The zoom of ZoomAboutPoint stays within these multiples of the fitted scale.
  static constexpr float kMinZoom = 0.25f;
  static constexpr float kMaxZoom = 50.0f;
  // Zooms both axes by factor keeping device pixel (x, y) in place, the scale held between
  // kMinZoom and kMaxZoom times the fitted one. False when the scale stays as it was.
  bool ZoomAboutPoint(float factor, int x, int y);
  // Scales and centres the world rectangle to fill fraction of the area inside the margins.
  void Fit(float fraction, int width, int height);
  // The view keys (see virtual_keys.h); fine makes pans ten times smaller. True when handled.
  bool HandleKey(int virtualKey, bool fine);
  // Pans by mouse: active false starts at (x, y); true moves the chart with the mouse.
  // True when something changed.
  bool DragPan(int x, int y, bool active);

 private:
  float TextWidthPixels(std::string_view text) const;
  // True for a mark's stroke or text that the control draws over the picture instead.
  bool LeavesOutMark() const;
  // A smooth line between device points.
  void SmoothStroke(float x1, float y1, float x2, float y2);
  // Device width inside the left and right margins, pixels.
  int AvailableWidth() const;

  std::function<void()> redraw_handler_;
  float lineWidth_ = 1.0f;
};

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_DRAWING_SURFACE_H
