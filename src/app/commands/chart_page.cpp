#include "app/commands/chart_page.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <fmt/format.h>

#include "drawing/chart_drawing.h"
#include "model/chart_settings.h"
#include "units/displayed_enthalpy.h"
#include "drawing/model_caption.h"
#include "base/number_text.h"
#include "units/quantity_text.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "surface/canvas.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"
#include "surface/pixel.h"

namespace hygrovia {
namespace {

// How often the chart is fitted again to bring labels that stick out back onto its box.
constexpr int kFitPasses = 4;

// The chart's box on the page as the surface sees it: a control of the box's size.
class PageArea : public SurfaceControl {
 public:
  PageArea(int width, int height) : width_(width), height_(height) {}
  int ClientWidth() const override { return width_; }
  int ClientHeight() const override { return height_; }
  void RepaintNow() override {}

 private:
  int width_;
  int height_;
};

// Where the segment from (x1, y1) on by (dx, dy) enters and leaves the box's pixels
// (Liang-Barsky), as fractions of its length; false when it misses the box.
bool ClipSpan(const PageBox& box, double x1, double y1, double dx, double dy, double& enter,
              double& leave) {
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {x1 - box.left, static_cast<double>(box.Right() - 1) - x1, y1 - box.top,
                      static_cast<double>(box.Bottom() - 1) - y1};
  enter = 0.0;
  leave = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  return enter <= leave;
}

// The part of the segment from a to b inside the box, in fractions of a pixel; nothing when
// the segment misses it.
bool ClipSmoothToBox(const PageBox& box, float& x1, float& y1, float& x2, float& y2) {
  const double dx = static_cast<double>(x2) - x1;
  const double dy = static_cast<double>(y2) - y1;
  double enter = 0.0;
  double leave = 1.0;
  if (!ClipSpan(box, x1, y1, dx, dy, enter, leave)) return false;
  const double ax = x1 + enter * dx;
  const double ay = y1 + enter * dy;
  x2 = static_cast<float>(x1 + leave * dx);
  y2 = static_cast<float>(y1 + leave * dy);
  x1 = static_cast<float>(ax);
  y1 = static_cast<float>(ay);
  return true;
}

// The part of the segment from a to b inside the box (Liang-Barsky), in whole pixels of the
// box; nothing when the segment misses it.
bool ClipToBox(const PageBox& box, int& x1, int& y1, int& x2, int& y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  double enter = 0.0;
  double leave = 1.0;
  if (!ClipSpan(box, x1, y1, dx, dy, enter, leave)) return false;
  const auto inside = [](double v, int low, int high) {
    return std::clamp(static_cast<int>(std::lround(v)), low, high);
  };
  const double ax = x1 + enter * dx;
  const double ay = y1 + enter * dy;
  const double bx = x1 + leave * dx;
  const double by = y1 + leave * dy;
  x1 = inside(ax, box.left, box.Right() - 1);
  y1 = inside(ay, box.top, box.Bottom() - 1);
  x2 = inside(bx, box.left, box.Right() - 1);
  y2 = inside(by, box.top, box.Bottom() - 1);
  return true;
}

// Hands the chart's drawing on to the page's canvas, moved to the top-left corner of the
// chart's box and cut to the part of the page it may take (a text that does not fit whole is
// left out), or only measures it; either way it keeps the smallest rectangle holding all
// that the chart drew, in the box's own pixels.
class BoxCanvas : public Canvas {
 public:
  BoxCanvas(Canvas& page, const PageBox& box, const PageBox& clip, bool draw)
      : page_(page), box_(box), clip_(clip), draw_(draw) {}

  // The frame of the drawing; an empty box at the origin when nothing was drawn.
  PageBox Frame() const { return frame_; }

  void SetPen(Colour colour, int style, int width) override {
    if (draw_) page_.SetPen(colour, style, width);
  }
  void SetBrush(Colour colour, int style) override {
    if (draw_) page_.SetBrush(colour, style);
  }
  void SetTextColor(Colour colour) override {
    text_colour_ = colour;
    if (draw_) page_.SetTextColor(colour);
  }
  Colour TextColor() const override { return text_colour_; }
  void SetMixMode(int mode) override {
    mix_mode_ = mode;
    if (draw_) page_.SetMixMode(mode);
  }
  int MixMode() const override { return mix_mode_; }
  void SetOpaqueText(bool opaque) override {
    opaque_ = opaque;
    if (draw_) page_.SetOpaqueText(opaque);
  }
  bool OpaqueText() const override { return opaque_; }

  void MoveTo(int x, int y) override {
    x_ = x;
    y_ = y;
  }
  void LineTo(int x, int y) override {
    if (x != x_ || y != y_) {
      // A stroke covers the pixel right of and below each of its points.
      Include(std::min(x, x_), std::min(y, y_), std::max(x, x_) + 1, std::max(y, y_) + 1);
      int x1 = x_ + box_.left;
      int y1 = y_ + box_.top;
      int x2 = x + box_.left;
      int y2 = y + box_.top;
      if (draw_ && ClipToBox(clip_, x1, y1, x2, y2)) {
        page_.MoveTo(x1, y1);
        page_.LineTo(x2, y2);
      }
    }
    x_ = x;
    y_ = y;
  }
  void TextOut(int x, int y, std::string_view text) override {
    const int right = x + page_.TextWidth(text);
    const int bottom = y + page_.TextHeight(text);
    Include(x, y, right, bottom);
    const PageBox moved{x + box_.left, y + box_.top, right - x, bottom - y};
    if (draw_ && clip_.Contains(moved)) page_.TextOut(moved.left, moved.top, text);
  }
  int TextWidth(std::string_view text) override { return page_.TextWidth(text); }
  int TextHeight(std::string_view text) override { return page_.TextHeight(text); }
  void SmoothLine(float x1, float y1, float x2, float y2, float width) override {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
      return;
    }
    const float reach = 0.5f * width;
    Include(TruncToPixel(std::floor(std::min(x1, x2) - reach)),
            TruncToPixel(std::floor(std::min(y1, y2) - reach)),
            TruncToPixel(std::ceil(std::max(x1, x2) + reach)),
            TruncToPixel(std::ceil(std::max(y1, y2) + reach)));
    x1 += static_cast<float>(box_.left);
    y1 += static_cast<float>(box_.top);
    x2 += static_cast<float>(box_.left);
    y2 += static_cast<float>(box_.top);
    if (draw_ && ClipSmoothToBox(clip_, x1, y1, x2, y2)) page_.SmoothLine(x1, y1, x2, y2, width);
  }
  // Measured texts must have the size drawn ones have, so the page hears of it either way.
  void SetTextScale(float scale) override { page_.SetTextScale(scale); }
  void InvertRect(int left, int top, int right, int bottom) override {
    Include(left, top, right, bottom);
    const PageBox cut = Cut(left, top, right, bottom);
    if (draw_ && cut.width > 0 && cut.height > 0) {
      page_.InvertRect(cut.left, cut.top, cut.Right(), cut.Bottom());
    }
  }
  void FillRect(int left, int top, int right, int bottom) override {
    Include(left, top, right, bottom);
    const PageBox cut = Cut(left, top, right, bottom);
    if (draw_ && cut.width > 0 && cut.height > 0) {
      page_.FillRect(cut.left, cut.top, cut.Right(), cut.Bottom());
    }
  }

 private:
  // A rectangle of the box's pixels moved onto the page and cut to the clip.
  PageBox Cut(int left, int top, int right, int bottom) const {
    const int l = std::max(left + box_.left, clip_.left);
    const int t = std::max(top + box_.top, clip_.top);
    const int r = std::min(right + box_.left, clip_.Right());
    const int b = std::min(bottom + box_.top, clip_.Bottom());
    return {l, t, std::max(0, r - l), std::max(0, b - t)};
  }

  void Include(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    if (frame_.width == 0) {
      frame_ = {left, top, right - left, bottom - top};
      return;
    }
    const int r = std::max(frame_.Right(), right);
    const int b = std::max(frame_.Bottom(), bottom);
    frame_.left = std::min(frame_.left, left);
    frame_.top = std::min(frame_.top, top);
    frame_.width = r - frame_.left;
    frame_.height = b - frame_.top;
  }

  Canvas& page_;
  PageBox box_;
  PageBox clip_;
  bool draw_;
  Colour text_colour_ = kBlack;
  int mix_mode_ = kMixCopy;
  bool opaque_ = false;
  int x_ = 0;
  int y_ = 0;
  PageBox frame_;
};

// The chart drawn through its surface into box, fitted, on the canvas within clip (or only
// measured); the frame of what it drew, in the box's pixels.
PageBox DrawChartInBox(ChartSettings& chart, Canvas& canvas, const PageBox& box,
                       const PageBox& clip, bool draw) {
  DrawingSurface& surface = chart.Surface();
  PageArea area(std::max(1, box.width), std::max(1, box.height));
  BoxCanvas boxCanvas(canvas, box, clip, draw);
  // The page's own status line: the window's read-out is not the page's business.
  StatusLine status;
  surface.PictureOutput = 1;
  surface.Attach(&boxCanvas, &area);
  chart.ApplyToSurface();
  DrawChart(chart, status);
  return boxCanvas.Frame();
}

// inner (a part of box) made smaller by what of frame (in inner's pixels) reaches out of box
// on each side.
PageBox WithoutOverflow(const PageBox& box, const PageBox& inner, const PageBox& frame) {
  const int left = std::max(0, box.left - (inner.left + frame.left));
  const int top = std::max(0, box.top - (inner.top + frame.top));
  const int right = std::max(0, inner.left + frame.Right() - box.Right());
  const int bottom = std::max(0, inner.top + frame.Bottom() - box.Bottom());
  return {inner.left + left, inner.top + top, std::max(1, inner.width - left - right),
          std::max(1, inner.height - top - bottom)};
}

// The whole chart drawn in box: fitted, measured, and fitted again on a smaller box as long
// as labels stick out. The surface gets back its view and attachment afterwards.
void DrawFittedChart(ChartSettings& chart, Canvas& canvas, const PageBox& box) {
  DrawingSurface& surface = chart.Surface();
  const DrawingSurface screen = surface;
  const float labelSlope = chart.LabelSlope;
  PageBox inner = box;
  for (int pass = 0; pass < kFitPasses; ++pass) {
    const PageBox frame = DrawChartInBox(chart, canvas, inner, box, false);
    const PageBox smaller = WithoutOverflow(box, inner, frame);
    if (smaller == inner) break;
    inner = smaller;
  }
  DrawChartInBox(chart, canvas, inner, box, true);
  surface = screen;
  chart.LabelSlope = labelSlope;
  // The page's own texts keep the page's font.
  canvas.SetTextScale(1.0f);
}

// The text cut at its end, a whole character at a time, until it is at most width wide.
std::string Fitted(Canvas& canvas, std::string text, int width) {
  while (!text.empty() && canvas.TextWidth(text) > width) {
    std::size_t end = text.size() - 1;
    // Continuation bytes of UTF-8 are 10xxxxxx: step back to the character's first byte.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u) --end;
    text.erase(end);
  }
  return text;
}

void DrawTitle(Canvas& canvas, const std::vector<std::string>& lines, const PageBox& box,
               int lineHeight) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int top = box.top + static_cast<int>(i) * lineHeight;
    if (top + lineHeight > box.Bottom()) break;
    canvas.TextOut(box.left, top, Fitted(canvas, lines[i], box.width));
  }
}

using Table = std::vector<std::vector<std::string>>;

// Each column's width: its widest cell and a gap before it.
std::vector<int> ColumnWidths(Canvas& canvas, const Table& table, int gap) {
  std::vector<int> widths;
  for (const std::vector<std::string>& row : table) {
    widths.resize(std::max(widths.size(), row.size()), 0);
    for (std::size_t c = 0; c < row.size(); ++c) {
      widths[c] = std::max(widths[c], canvas.TextWidth(row[c]) + gap);
    }
  }
  return widths;
}

int Sum(const std::vector<int>& values) {
  int sum = 0;
  for (const int v : values) sum += v;
  return sum;
}

// The rows that fit the box, each cell right-aligned in its column; columns that would reach
// beyond the box are left out.
void DrawTable(Canvas& canvas, const Table& table, const std::vector<int>& widths,
               const PageBox& box, int lineHeight) {
  for (std::size_t r = 0; r < table.size(); ++r) {
    const int top = box.top + static_cast<int>(r) * lineHeight;
    if (top + lineHeight > box.Bottom()) break;
    int right = box.left;
    for (std::size_t c = 0; c < table[r].size(); ++c) {
      right += widths[c];
      if (right > box.Right()) break;
      canvas.TextOut(right - canvas.TextWidth(table[r][c]), top, table[r][c]);
    }
  }
}

}  // namespace

double ShrinkToFit(double width, double height, double roomWidth, double roomHeight) {
  if (!(width > 0.0) || !(height > 0.0) || !(roomWidth > 0.0) || !(roomHeight > 0.0)) {
    return 0.0;
  }
  return std::min({1.0, roomWidth / width, roomHeight / height});
}

std::vector<std::string> TitleLines(const ChartSettings& chart, const ChartPageTitle& title) {
  const QuantityText& units = chart.GetUnits();
  const auto shown = [&units](Quantity quantity, double value) {
    return fmt::format("{:.1f}", units.Shown(quantity, value));
  };
  std::vector<std::string> lines;
  lines.push_back(title.fileName.empty() ? std::string(kUntitled) : title.fileName);
  lines.push_back("Barometric pressure: " + BarometricPressureText(units, chart.GetPressure()));
  lines.push_back("Dry bulb: " + shown(Quantity::Temperature, chart.TempMin) + " to " +
                  shown(Quantity::Temperature, chart.TempMax) + " " +
                  std::string(units.Unit(Quantity::Temperature)) +
                  "    Moisture content: " + shown(Quantity::Moisture, chart.HumidityMin) + " to " +
                  shown(Quantity::Moisture, chart.HumidityMax) + " " +
                  std::string(units.Unit(Quantity::Moisture)));
  if (!title.date.empty()) lines.push_back("Date: " + title.date);
  return lines;
}

std::vector<std::vector<std::string>> NodeTable(const ChartSettings& chart) {
  Table table;
  if (!chart.Nodes.IsValidIndex(0)) return table;
  const QuantityText& units = chart.GetUnits();
  const auto unit = [&units](Quantity quantity) { return std::string(units.Unit(quantity)); };
  const auto shown = [&units](const char* format, Quantity quantity, double value) {
    return FormatText(format, units.Shown(quantity, value));
  };
  // Names over units keeps the columns narrow enough for the side of a landscape page.
  const std::string degrees = unit(Quantity::Temperature);
  table.push_back(
      {"Node", "Dry bulb", "Wet bulb", "RH", "Moisture", "Dew point", "Enthalpy", "Volume"});
  table.push_back({"", degrees, degrees, "%", unit(Quantity::Moisture), degrees,
                   unit(Quantity::Enthalpy), unit(Quantity::SpecificVolume)});
  // A state of its own: the cursor's state belongs to the read-outs.
  AirState air = chart.CursorState();
  for (std::int32_t i = 0; chart.Nodes.IsValidIndex(i); ++i) {
    const ChartPoint node = chart.Nodes.GetNode(i);
    air.SetFromHumidity(node.X, node.Y);
    table.push_back({fmt::format("{}", i + 1), shown("%0.1f", Quantity::Temperature, air.DryBulb),
                     shown("%0.1f", Quantity::Temperature, air.WetBulb),
                     fmt::format("{:.1f}", air.RelHumidity),
                     shown("%0.2f", Quantity::Moisture, air.AbsHumidity),
                     shown("%0.1f", Quantity::Temperature, air.DewPoint),
                     shown("%0.1f", Quantity::Enthalpy, DisplayedEnthalpy(units, air)),
                     shown("%0.3f", Quantity::SpecificVolume, air.Volume)});
  }
  return table;
}

ChartPageLayout LayOutChartPage(const PageBox& printable, int titleHeight, int tableWidth,
                                int tableHeight, int gap) {
  const PageBox& p = printable;
  titleHeight = std::clamp(titleHeight, 0, p.height);
  ChartPageLayout layout;
  layout.title = {p.left, p.top, p.width, titleHeight};
  const int below = p.top + titleHeight + gap;
  const int rest = std::max(0, p.Bottom() - below);
  layout.chart = {p.left, below, p.width, rest};
  layout.table = {p.left, below, 0, 0};
  if (tableWidth <= 0 || tableHeight <= 0) return layout;
  if (p.width > p.height) {
    const int width = std::clamp(tableWidth, 0, std::max(0, p.width - p.width / 2 - gap));
    layout.table = {p.Right() - width, below, width, std::min(tableHeight, rest)};
    layout.chart.width = std::max(0, p.width - width - gap);
  } else {
    const int height = std::clamp(tableHeight, 0, std::max(0, rest - rest / 2 - gap));
    layout.chart.height = std::max(0, rest - height - gap);
    layout.table = {p.left, layout.chart.Bottom() + gap, std::min(tableWidth, p.width), height};
  }
  return layout;
}

ChartPageLayout DrawChartPage(ChartSettings& chart, Canvas& canvas, const PageBox& printable,
                              const ChartPageTitle& title) {
  canvas.SetBrush(kWhite, kBrushSolid);
  canvas.FillRect(printable.left, printable.top, printable.Right(), printable.Bottom());
  canvas.SetTextColor(kBlack);
  canvas.SetOpaqueText(false);
  canvas.SetMixMode(kMixCopy);
  const int lineHeight = std::max(1, canvas.TextHeight("W"));
  const int gap = lineHeight;
  const std::vector<std::string> lines = TitleLines(chart, title);
  const Table table = NodeTable(chart);
  const std::vector<int> widths = ColumnWidths(canvas, table, gap);
  const int tableHeight = static_cast<int>(table.size()) * lineHeight;
  const ChartPageLayout layout = LayOutChartPage(
      printable, static_cast<int>(lines.size()) * lineHeight, Sum(widths), tableHeight, gap);
  DrawTitle(canvas, lines, layout.title, lineHeight);
  DrawTable(canvas, table, widths, layout.table, lineHeight);
  if (layout.chart.width > 0 && layout.chart.height > 0) {
    DrawFittedChart(chart, canvas, layout.chart);
  }
  return layout;
}

}  // namespace hygrovia
