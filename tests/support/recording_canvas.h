#ifndef HYGROVIA_TESTS_SUPPORT_RECORDING_CANVAS_H
#define HYGROVIA_TESTS_SUPPORT_RECORDING_CANVAS_H

#include <string>
#include <string_view>
#include <vector>

#include "surface/canvas.h"
#include "surface/colour.h"

namespace hygrovia::testing {

enum class PrimitiveKind { kLine, kText, kInvertRect, kFillRect };

// One drawing call with the canvas state in force when it was made.
struct RecordedPrimitive {
  PrimitiveKind kind = PrimitiveKind::kLine;
  // Lines: from (x1, y1) to (x2, y2). Texts: top-left corner at (x1, y1), x2 and y2 are the
  // far corner of the measured box. Rectangles: left, top, right, bottom (exclusive).
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  std::string text;
  Colour pen_colour = kBlack;
  int pen_style = kPenSolid;
  int pen_width = 1;
  // Smooth lines: true, with their width in pixels; their ends are truncated to whole pixels.
  bool smooth = false;
  float smooth_width = 0.0f;
  Colour brush_colour = kWhite;
  Colour text_colour = kBlack;
  bool opaque = false;
  int mix_mode = kMixCopy;
};

// A canvas that draws nothing and keeps every primitive, so tests can count the lines of a
// family or read a label. Texts are measured with fixed metrics: kCharWidth pixels per UTF-8
// code point across and kTextHeight pixels up for any text, the empty text included, both
// times the text scale (rounded down).
class RecordingCanvas : public Canvas {
 public:
  static constexpr int kCharWidth = 6;
  static constexpr int kTextHeight = 13;

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
  void SetTextScale(float scale) override { text_scale_ = scale; }

  const std::vector<RecordedPrimitive>& Primitives() const { return primitives_; }
  std::vector<RecordedPrimitive> OfKind(PrimitiveKind kind) const;
  std::vector<RecordedPrimitive> Lines() const { return OfKind(PrimitiveKind::kLine); }
  std::vector<RecordedPrimitive> Texts() const { return OfKind(PrimitiveKind::kText); }
  // Lines drawn with this pen colour (any style) or with this colour and style.
  int CountLines(Colour pen_colour) const;
  int CountLines(Colour pen_colour, int pen_style) const;
  // The strings of all texts, in drawing order.
  std::vector<std::string> TextStrings() const;
  // Forgets the primitives; the pen, brush, text colour and modes stay.
  void ClearRecord() { primitives_.clear(); }

 private:
  RecordedPrimitive Stamp(PrimitiveKind kind) const;

  std::vector<RecordedPrimitive> primitives_;
  Colour pen_colour_ = kBlack;
  int pen_style_ = kPenSolid;
  int pen_width_ = 1;
  Colour brush_colour_ = kWhite;
  Colour text_colour_ = kBlack;
  bool opaque_ = false;
  int mix_mode_ = kMixCopy;
  float text_scale_ = 1.0f;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace hygrovia::testing

#endif  // HYGROVIA_TESTS_SUPPORT_RECORDING_CANVAS_H
