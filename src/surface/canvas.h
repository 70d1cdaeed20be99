#ifndef HYGROVIA_SURFACE_CANVAS_H
#define HYGROVIA_SURFACE_CANVAS_H

#include <string_view>

#include "surface/colour.h"
#include "surface/pixel.h"

namespace hygrovia {

// What the drawing surface draws on: the screen image, a vector picture, a printer page or,
// in tests, a recorder. Coordinates are device pixels, y growing downward. Texts are UTF-8.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPen(Colour colour, int style, int width) = 0;
  virtual void SetBrush(Colour colour, int style) = 0;
  virtual void SetTextColor(Colour colour) = 0;
  virtual Colour TextColor() const = 0;

  // kMixXor or kMixCopy: in XOR mode drawing the same stroke twice restores the pixels.
  virtual void SetMixMode(int mode) = 0;
  virtual int MixMode() const = 0;

  // Opaque text fills the text's box with the background colour (white) first.
  virtual void SetOpaqueText(bool opaque) = 0;
  virtual bool OpaqueText() const = 0;

  virtual void MoveTo(int x, int y) = 0;
  // A line from the current position to (x, y), without its end pixel; (x, y) becomes current.
  virtual void LineTo(int x, int y) = 0;
  // Text with the top-left corner of its box at (x, y), in the current font and text colour.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // Size of the text's box in the current font, pixels; 0 when it cannot be measured.
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;

  // Inverts the pixels of the rectangle; right and bottom are exclusive.
  virtual void InvertRect(int left, int top, int right, int bottom) = 0;
  // Fills the rectangle with the current brush; right and bottom are exclusive.
  virtual void FillRect(int left, int top, int right, int bottom) = 0;

  // Smooth drawing, for styles whose pictures are never XORed: a line between points given to
  // fractions of a pixel, `width` pixels wide in the current pen's colour and style,
  // anti-aliased; the current position is neither used nor moved. A canvas that cannot smooth
  // draws it in whole pixels.
  virtual void SmoothLine(float x1, float y1, float x2, float y2, float /*width*/) {
    MoveTo(TruncToPixel(x1), TruncToPixel(y1));
    LineTo(TruncToPixel(x2), TruncToPixel(y2));
  }
  // Texts measure and draw `scale` times the size of the canvas's font; 1 is the font itself.
  virtual void SetTextScale(float /*scale*/) {}
};

// The on-screen control the surface draws for: its client size is the device size.
class SurfaceControl {
 public:
  virtual ~SurfaceControl() = default;
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  // Shows what was drawn at once (during drags the picture follows the mouse).
  virtual void RepaintNow() = 0;
};

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_CANVAS_H
