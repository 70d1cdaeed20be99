#include "drawing/overlays.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "base/chart_point.h"
#include "drawing/data_table.h"
#include "families/dry_bulb_scale.h"
#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {

namespace {

// Rise in g/kg of a line of constant enthalpy over a step of 12, 13, 10.65 and 14 °C to the
// left: the step divided by the 2.525252525 of the enthalpy formula. The overlays keep the
// values they have always drawn with.
constexpr double kEnthalpyRiseOver12 = 4.7520000004752;
constexpr double kEnthalpyRiseOver13 = 5.1480000005148;
constexpr double kEnthalpyRiseOver10_65 = 4.2174000004217405;
constexpr double kEnthalpyRiseOver14 = 5.5440000005544;

constexpr float kArrowSize = 1.0f;
constexpr int kCrossHalf = 3;
// The condensation path ends with arrowheads on the segments that end below this, °C.
constexpr float kArrowheadBelow = 1.1f;
// Dew points lie below some 110 °C in the pressure band; the cap only keeps an absurd one
// from walking the saturation curve for ever.
constexpr int kMaxSaturationSteps = 1000;
// The evaporative-cooling arrow's meeting with saturation is found to 2^-30 of its length.
constexpr int kSaturationHalvings = 30;

constexpr int kCentre = DrawingSurface::kAlignCentre;
constexpr int kEnd = DrawingSurface::kAlignEnd;
constexpr int kStart = DrawingSurface::kAlignStart;
constexpr int kBelow = DrawingSurface::kAlignBelow;
constexpr int kMiddle = DrawingSurface::kAlignMiddle;
constexpr int kAbove = DrawingSurface::kAlignAbove;

void UseOverlayPen(ChartSettings& chart, int style) {
  DrawingSurface& surface = chart.Surface();
  const LinePen pen = chart.Style().OverlayPen(style);
  surface.SetMixMode(kMixCopy);
  surface.SetSmoothPen(surface.MarkInk(pen.colour), pen.style, pen.width);
}

// A fixed text at a world point. The overlay texts hold no conversions, so the value is unused.
void Label(ChartSettings& chart, ChartPoint at, int hAlign, int vAlign, std::string_view text) {
  DrawValueLabel(chart, at.X, at.Y, hAlign, vAlign, text, 0.0);
}

void Line(DrawingSurface& surface, ChartPoint from, ChartPoint to) {
  surface.DrawLine(from.X, from.Y, to.X, to.Y);
}

void Arrow(DrawingSurface& surface, ChartPoint from, ChartPoint to) {
  surface.DrawArrow(from.X, from.Y, to.X, to.Y, kArrowSize);
}

void Cross(DrawingSurface& surface, ChartPoint at) { surface.DrawCross(at.X, at.Y, kCrossHalf); }

ChartPoint Offset(ChartPoint p, float dx, double dy) {
  return {p.X + dx, static_cast<float>(static_cast<double>(p.Y) + dy)};
}

ChartPoint Middle(ChartPoint a, ChartPoint b) { return {(a.X + b.X) * 0.5f, (a.Y + b.Y) * 0.5f}; }

// A text and how it is placed at a point.
struct PlacedText {
  std::string_view text;
  int hAlign;
  int vAlign;
};

// How far (pixels) a span from low to high must move to lie between first and last; where it
// does not fit, it starts at first.
float ShiftInto(float low, float high, float first, float last) {
  if (high > last) {
    const float shift = last - high;
    return low + shift < first ? first - low : shift;
  }
  return low < first ? first - low : 0.0f;
}

// The texts at a point, moved as a group into the chart's frame where any of them would stand
// outside it; they stay where they are otherwise.
void LabelsInFrame(ChartSettings& chart, ChartPoint at, std::initializer_list<PlacedText> texts) {
  const DrawingSurface& surface = chart.Surface();
  TextBox all{};
  bool first = true;
  for (const PlacedText& t : texts) {
    const TextBox box = surface.PlaceText(at.X, at.Y, t.text, t.hAlign, t.vAlign);
    all = first ? box
                : TextBox{std::min(all.left, box.left), std::min(all.top, box.top),
                          std::max(all.right, box.right), std::max(all.bottom, box.bottom)};
    first = false;
  }
  const PointF topLeft = surface.WorldToDevice(surface.MinX, surface.MaxY);
  const PointF bottomRight = surface.WorldToDevice(surface.MaxX, surface.MinY);
  const float dx = ShiftInto(all.left, all.right, topLeft.x, bottomRight.x);
  const float dy = ShiftInto(all.top, all.bottom, topLeft.y, bottomRight.y);
  ChartPoint moved = at;
  if (dx != 0.0f && surface.ScaleX > 0.0f) moved.X += dx / surface.ScaleX;
  if (dy != 0.0f && surface.ScaleY > 0.0f) moved.Y -= dy / surface.ScaleY;
  for (const PlacedText& t : texts) Label(chart, moved, t.hAlign, t.vAlign, t.text);
}

// The point at the cursor's moisture content where cooling reaches saturation.
ChartPoint DewPointOfCursor(const ChartSettings& chart) {
  const ChartPoint c = chart.Cursor;
  return {static_cast<float>(chart.CursorState().DewPointFromHumidity(c.Y)), c.Y};
}

// Walks the saturation curve down from the dew point d in steps of 1 °C while the temperature
// is above 0; the last segments, ending below kArrowheadBelow, carry arrowheads. Returns where
// the dehumidification labels stand: halfway between d and where the walk stopped, raised by
// half that span.
ChartPoint DrawSaturationWalk(ChartSettings& chart, ChartPoint d) {
  DrawingSurface& surface = chart.Surface();
  const AirState& state = chart.CursorState();
  ChartPoint from = d;
  float t = d.X;
  float w = d.Y;
  for (int step = 0; t > 0.0f && step < kMaxSaturationSteps; ++step) {
    w = static_cast<float>(state.SaturationHumidity(t));
    const ChartPoint to{t, w};
    if (t < kArrowheadBelow) {
      Arrow(surface, from, to);
    } else {
      Line(surface, from, to);
    }
    from = to;
    t -= 1.0f;
  }
  const float x = t + (d.X - t) * 0.5f;
  // The half-span in °C is added unchanged to the moisture content, as the labels always sat.
  return {x, w + (x - t) * 0.5f};
}

// Where the way from c (below saturation) to a crosses the saturation curve, or a itself when
// it stays below: halving the way until the step is far below a pixel.
ChartPoint EndAtSaturation(const ChartSettings& chart, ChartPoint c, ChartPoint a) {
  const AirState& air = chart.CursorState();
  const auto above = [&air](ChartPoint p) {
    return static_cast<double>(p.Y) > air.SaturationHumidity(p.X);
  };
  if (!above(a) || above(c)) return a;
  float inside = 0.0f;
  float outside = 1.0f;
  const auto at = [&](float share) {
    return ChartPoint{c.X + (a.X - c.X) * share, c.Y + (a.Y - c.Y) * share};
  };
  for (int i = 0; i < kSaturationHalvings; ++i) {
    const float middle = 0.5f * (inside + outside);
    (above(at(middle)) ? outside : inside) = middle;
  }
  return at(inside);
}

// The caption of a temperature lead, under the bottom edge at dry bulb x (°C), or just above
// the edge where it would cover a text of the dry-bulb scale.
void TemperatureCaption(ChartSettings& chart, float x, std::string_view text) {
  const int vAlign = CoversDryBulbScale(chart, x, text) ? kAbove : kBelow;
  Label(chart, {x, chart.Surface().MinY}, kCentre, vAlign, text);
}

// A stream of the mixing diagram: its cross and name, its enthalpy lead along a line of
// constant enthalpy up and to the left, and its temperature lead down to the bottom edge.
struct Stream {
  ChartPoint at;
  std::string_view name;
  int nameAlign;
  float leadLength;
  double leadRise;
  std::string_view enthalpyName;
  std::string_view temperatureName;
};

void DrawStream(ChartSettings& chart, const Stream& stream) {
  DrawingSurface& surface = chart.Surface();
  Cross(surface, stream.at);
  Label(chart, stream.at, kCentre, stream.nameAlign, stream.name);
  const ChartPoint h = Offset(stream.at, -stream.leadLength, stream.leadRise);
  Line(surface, h, stream.at);
  Label(chart, h, kEnd, kAbove, stream.enthalpyName);
  const ChartPoint bottom{stream.at.X, surface.MinY};
  Line(surface, stream.at, bottom);
  TemperatureCaption(chart, stream.at.X, stream.temperatureName);
}

// The mixture at the cursor with its enthalpy and temperature leads.
void DrawMixture(ChartSettings& chart, ChartPoint c) {
  DrawingSurface& surface = chart.Surface();
  Cross(surface, c);
  Label(chart, c, kStart, kMiddle, " RESULT");
  const ChartPoint h = Offset(c, -13.0f, kEnthalpyRiseOver13);
  Line(surface, h, c);
  Label(chart, h, kEnd, kMiddle, "Hr");
  const ChartPoint bottom{c.X, surface.MinY};
  Line(surface, c, bottom);
  TemperatureCaption(chart, c.X, "Tr");
}

}  // namespace

void DrawHeatingCoolingOverlay(ChartSettings& chart) {
  DrawingSurface& surface = chart.Surface();
  const ChartPoint c = chart.Cursor;
  const ChartPoint dew = DewPointOfCursor(chart);
  const ChartPoint edge{surface.MaxX, c.Y};
  UseOverlayPen(chart, kPenSolid);
  Arrow(surface, c, dew);
  Arrow(surface, c, edge);
  LabelsInFrame(chart, Middle(c, dew), {{" COOLING ", kCentre, kMiddle}});
  LabelsInFrame(chart, Middle(c, edge), {{" HEATING ", kCentre, kMiddle}});
}

void DrawCondensationOverlay(ChartSettings& chart) {
  DrawingSurface& surface = chart.Surface();
  const ChartPoint c = chart.Cursor;
  const ChartPoint dew = DewPointOfCursor(chart);
  UseOverlayPen(chart, kPenSolid);
  Line(surface, c, dew);
  LabelsInFrame(chart, Middle(c, dew), {{" COOLING ", kCentre, kMiddle}});
  Label(chart, dew, kCentre, kAbove, "DP");
  const ChartPoint label = DrawSaturationWalk(chart, dew);
  LabelsInFrame(chart, label,
                {{"DEHUMIDIFICATION", kCentre, kAbove}, {"(Condensation)", kCentre, kBelow}});
}

void DrawAdiabaticOverlay(ChartSettings& chart) {
  DrawingSurface& surface = chart.Surface();
  const ChartPoint c = chart.Cursor;
  const ChartPoint a = Offset(c, -12.0f, kEnthalpyRiseOver12);
  const ChartPoint b = Offset(c, 12.0f, -kEnthalpyRiseOver12);
  // The Classic chart keeps its fixed arrow; elsewhere humidifying stops at saturation, as
  // air beyond it cannot exist.
  const bool classic = chart.Style().Name() == ChartStyleName::Classic;
  const ChartPoint wet = classic ? a : EndAtSaturation(chart, c, a);
  UseOverlayPen(chart, kPenSolid);
  Arrow(surface, c, wet);
  Arrow(surface, c, b);
  const float dx = (b.X - a.X) / 4.0f;
  const float dy = (b.Y - a.Y) / 4.0f;
  const ChartPoint humidify = classic ? ChartPoint{a.X + dx, a.Y + dy} : Middle(c, wet);
  const ChartPoint dehumidify{b.X - dx, b.Y - dy};
  LabelsInFrame(chart, humidify,
                {{"HUMIDIFICATION", kCentre, kAbove}, {"(Evaporative Cooling)", kCentre, kBelow}});
  LabelsInFrame(
      chart, dehumidify,
      {{"DEHUMIDIFICATION", kCentre, kAbove}, {"(Absorption by Sorbents)", kCentre, kBelow}});
}

void DrawMixingOverlay(ChartSettings& chart) {
  DrawingSurface& surface = chart.Surface();
  const ChartPoint c = chart.Cursor;
  // The cursor lies on the line between the streams, twice as far from AIR2 as from AIR1.
  const ChartPoint air1{c.X - 3.0f, c.Y - 4.0f};
  const ChartPoint air2{c.X + 6.0f, c.Y + 8.0f};
  UseOverlayPen(chart, kPenDotted);
  DrawMixture(chart, c);
  DrawStream(chart, {air2, "AIR2", kAbove, 10.65f, kEnthalpyRiseOver10_65, "H2", "T2"});
  DrawStream(chart, {air1, "AIR1", kBelow, 14.0f, kEnthalpyRiseOver14, "H1", "T1"});
  UseOverlayPen(chart, kPenSolid);
  Line(surface, air1, air2);
  // The middles of the two parts of the mixing line.
  Label(chart, {c.X - 1.5f, c.Y - 2.0f}, kEnd, kAbove, "M1");
  Label(chart, {c.X + 3.0f, c.Y + 4.0f}, kEnd, kAbove, "M2");
}

}  // namespace hygrovia
