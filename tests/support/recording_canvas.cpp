#include "support/recording_canvas.h"

#include <algorithm>
#include <iterator>

#include "surface/pixel.h"

namespace hygrovia::testing {

namespace {

int CodePoints(std::string_view text) {
  // Continuation bytes of UTF-8 look like 10xxxxxx; every other byte starts a code point.
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
  }));
}

}  // namespace

void RecordingCanvas::SetPen(Colour colour, int style, int width) {
  pen_colour_ = colour;
  pen_style_ = style;
  pen_width_ = width;
}

void RecordingCanvas::SetBrush(Colour colour, int /*style*/) { brush_colour_ = colour; }

void RecordingCanvas::SetTextColor(Colour colour) { text_colour_ = colour; }

Colour RecordingCanvas::TextColor() const { return text_colour_; }

void RecordingCanvas::SetMixMode(int mode) { mix_mode_ = mode; }

int RecordingCanvas::MixMode() const { return mix_mode_; }

void RecordingCanvas::SetOpaqueText(bool opaque) { opaque_ = opaque; }

bool RecordingCanvas::OpaqueText() const { return opaque_; }

void RecordingCanvas::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void RecordingCanvas::LineTo(int x, int y) {
  RecordedPrimitive line = Stamp(PrimitiveKind::kLine);
  line.x1 = x_;
  line.y1 = y_;
  line.x2 = x;
  line.y2 = y;
  primitives_.push_back(line);
  x_ = x;
  y_ = y;
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  RecordedPrimitive out = Stamp(PrimitiveKind::kText);
  out.x1 = x;
  out.y1 = y;
  // The surface hands over saturated positions at extreme zoom; the box must not overflow.
  out.x2 = OffsetPixel(x, TextWidth(text));
  out.y2 = OffsetPixel(y, TextHeight(text));
  out.text = std::string(text);
  primitives_.push_back(out);
}

int RecordingCanvas::TextWidth(std::string_view text) {
  return static_cast<int>(static_cast<float>(kCharWidth * CodePoints(text)) * text_scale_);
}

int RecordingCanvas::TextHeight(std::string_view /*text*/) {
  return static_cast<int>(static_cast<float>(kTextHeight) * text_scale_);
}

void RecordingCanvas::SmoothLine(float x1, float y1, float x2, float y2, float width) {
  RecordedPrimitive line = Stamp(PrimitiveKind::kLine);
  line.x1 = TruncToPixel(x1);
  line.y1 = TruncToPixel(y1);
  line.x2 = TruncToPixel(x2);
  line.y2 = TruncToPixel(y2);
  line.smooth = true;
  line.smooth_width = width;
  primitives_.push_back(line);
}

void RecordingCanvas::InvertRect(int left, int top, int right, int bottom) {
  RecordedPrimitive rect = Stamp(PrimitiveKind::kInvertRect);
  rect.x1 = left;
  rect.y1 = top;
  rect.x2 = right;
  rect.y2 = bottom;
  primitives_.push_back(rect);
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom) {
  RecordedPrimitive rect = Stamp(PrimitiveKind::kFillRect);
  rect.x1 = left;
  rect.y1 = top;
  rect.x2 = right;
  rect.y2 = bottom;
  primitives_.push_back(rect);
}

std::vector<RecordedPrimitive> RecordingCanvas::OfKind(PrimitiveKind kind) const {
  std::vector<RecordedPrimitive> found;
  std::copy_if(primitives_.begin(), primitives_.end(), std::back_inserter(found),
               [kind](const RecordedPrimitive& p) { return p.kind == kind; });
  return found;
}

int RecordingCanvas::CountLines(Colour pen_colour) const {
  return static_cast<int>(
      std::count_if(primitives_.begin(), primitives_.end(), [pen_colour](const auto& p) {
        return p.kind == PrimitiveKind::kLine && p.pen_colour == pen_colour;
      }));
}

int RecordingCanvas::CountLines(Colour pen_colour, int pen_style) const {
  return static_cast<int>(
      std::count_if(primitives_.begin(), primitives_.end(), [pen_colour, pen_style](const auto& p) {
        return p.kind == PrimitiveKind::kLine && p.pen_colour == pen_colour &&
               p.pen_style == pen_style;
      }));
}

std::vector<std::string> RecordingCanvas::TextStrings() const {
  std::vector<std::string> strings;
  for (const RecordedPrimitive& p : primitives_) {
    if (p.kind == PrimitiveKind::kText) {
      strings.push_back(p.text);
    }
  }
  return strings;
}

RecordedPrimitive RecordingCanvas::Stamp(PrimitiveKind kind) const {
  RecordedPrimitive p;
  p.kind = kind;
  p.pen_colour = pen_colour_;
  p.pen_style = pen_style_;
  p.pen_width = pen_width_;
  p.brush_colour = brush_colour_;
  p.text_colour = text_colour_;
  p.opaque = opaque_;
  p.mix_mode = mix_mode_;
  return p;
}

}  // namespace hygrovia::testing
