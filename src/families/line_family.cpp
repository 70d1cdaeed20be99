#include "families/line_family.h"

#include <cmath>

#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

bool IsFinite(PointF p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

void SetFamilyPen(ChartSettings& chart, LineFamily family, LineRank rank, bool highlight) {
  const LinePen pen = chart.Style().FamilyPen(family, rank, highlight, chart.RequestedHighlight);
  DrawingSurface& surface = chart.Surface();
  surface.SetSmoothPen(highlight ? surface.MarkInk(pen.colour) : pen.colour, pen.style, pen.width);
}

void OfferLabel(ChartSettings& chart, const FamilyLabel& label) {
  chart.Style().Label(chart, label);
}

void DrawSegment(DrawingSurface& surface, PointF from, PointF to) {
  if (IsFinite(from) && IsFinite(to)) {
    surface.DrawLine(from.x, from.y, to.x, to.y);
  }
}

void ClipToHeight(PointF& p, PointF q, float y) {
  p.x = LinearInterpolate(y, p.y, q.y, p.x, q.x);
  p.y = y;
}

void ClipToAbscissa(PointF& p, PointF q, float x) {
  p.y = LinearInterpolate(x, p.x, q.x, p.y, q.y);
  p.x = x;
}

bool CutBelow(PointF& a, PointF& b, float bottom) {
  if (a.y < bottom) {
    // Nothing is left when the other end only touches the bottom either.
    if (!(b.y > bottom)) return false;
    ClipToHeight(a, b, bottom);
  } else if (b.y < bottom) {
    if (!(a.y > bottom)) return false;
    ClipToHeight(b, a, bottom);
  }
  return true;
}

float SaturationAt(const AirState& air, double t) {
  return static_cast<float>(air.SaturationHumidity(t));
}

PointF SaturationEntry(const ChartSettings& chart) {
  const AirState& air = chart.CursorState();
  const float bottom = chart.Surface().MinY;
  const PointF atMin{chart.TempMin, SaturationAt(air, chart.TempMin)};
  if (!(atMin.y < bottom)) {
    return atMin;
  }
  return {static_cast<float>(air.DewPointFromHumidity(bottom)), bottom};
}

bool IsMultipleOf(double value, double step) { return std::fmod(value, step) == 0.0; }

CurveEnd DrawHumidityCurve(ChartSettings& chart, double fraction, PointF from) {
  DrawingSurface& surface = chart.Surface();
  const AirState& air = chart.CursorState();
  CurveEnd end{from, false};
  float t = chart.TempMin;
  // Counted as well as compared: far from zero t += 1 no longer changes t.
  for (int step = 0; step < kMaxFamilyLines && t <= chart.TempMax; ++step, t += 1.0f) {
    PointF q{t, static_cast<float>(air.HumidityAtSaturationShare(t, fraction))};
    const bool leaves = q.y > surface.MaxY;
    if (leaves) {
      ClipToHeight(q, end.last, surface.MaxY);
    }
    PointF start = end.last;
    PointF stop = q;
    if (t > chart.TempMin && CutBelow(start, stop, surface.MinY)) {
      DrawSegment(surface, start, stop);
    }
    end.last = q;
    if (leaves) {
      end.crossedTop = true;
      break;
    }
  }
  return end;
}

}  // namespace hygrovia
