#include "styles/clear_labels.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "drawing/data_table.h"
#include "drawing/model_caption.h"
#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "styles/clear_enthalpy_scale.h"
#include "styles/clear_style.h"
#include "styles/label_board.h"
#include "styles/label_placer.h"
#include "surface/drawing_surface.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

constexpr int kStart = DrawingSurface::kAlignStart;
constexpr int kEnd = DrawingSurface::kAlignEnd;
constexpr int kCentre = DrawingSurface::kAlignCentre;
constexpr int kBelow = DrawingSurface::kAlignBelow;
constexpr int kMiddle = DrawingSurface::kAlignMiddle;
constexpr int kAbove = DrawingSurface::kAlignAbove;

// An axis's name with the unit the chart shows it in, "Humidity ratio (g/kg)".
std::string AxisTitle(const ChartSettings& chart, std::string_view name, Quantity quantity) {
  std::string title(name);
  title += " (";
  title += chart.GetUnits().Unit(quantity);
  title += ')';
  return title;
}

// Pixels between a label and the point it names.
constexpr float kNudge = 3.0f;
// Text heights under the dry-bulb scale's edge for its numbers and the axis's name.
constexpr float kScaleRoomLines = 2.5f;
// Where along the chart's width (from the right) a relative-humidity label is tried.
constexpr std::array<float, 9> kCurveSpots = {0.06f, 0.16f, 0.26f, 0.36f, 0.46f,
                                              0.56f, 0.66f, 0.76f, 0.86f};

float LineHeight(const DrawingSurface& surface) { return surface.TextHeightPixels("W"); }

void PlaceCaption(ChartSettings& chart, Placer& placer) {
  const DrawingSurface& surface = chart.Surface();
  const std::string caption = PressureCaption(chart);
  const Colour grey = ClearLabelColour(LineFamily::Frame);
  if (!placer.PlaceAtWorld({surface.MaxX, surface.MaxY}, caption, grey,
                           {{kEnd, kBelow, -kNudge, kNudge}})) {
    placer.PlaceAtWorld({surface.MaxX, surface.MinY}, caption, grey,
                        {{kEnd, kAbove, -kNudge, -kNudge}});
  }
}

// The visible edges the scales stand on, device pixels: the frame's bottom and right edges,
// or, where the view cuts them off, the device's own, with room for the numbers and the
// dry-bulb axis's name.
struct ScaleEdges {
  float bottom;
  float right;
  // The span of the frame in view.
  float left;
  float top;
  float frameRight;
  float frameBottom;
};

ScaleEdges EdgesInView(const ChartSettings& chart, float widestNumber) {
  const DrawingSurface& s = chart.Surface();
  const float line = LineHeight(s);
  const PointF topLeft = s.WorldToDevice(s.MinX, s.MaxY);
  const PointF bottomRight = s.WorldToDevice(s.MaxX, s.MinY);
  const auto width = static_cast<float>(s.DeviceWidth);
  const auto height = static_cast<float>(s.DeviceHeight);
  return {std::min(bottomRight.y, height - kScaleRoomLines * line),
          std::min(bottomRight.x + kNudge, width - widestNumber - kNudge),
          std::max(topLeft.x, 0.0f),
          std::max(topLeft.y, 0.0f),
          std::min(bottomRight.x, width),
          std::min(bottomRight.y, height)};
}

// The numbers a scale shows: the first and last of its lines in view, then every numbered one.
std::vector<const OfferedLabel*> ShownNumbers(std::vector<const OfferedLabel*> inView) {
  std::vector<const OfferedLabel*> shown;
  if (inView.empty()) return shown;
  shown.push_back(inView.front());
  if (inView.size() > 1) shown.push_back(inView.back());
  for (const OfferedLabel* label : inView) {
    if (!label->minor) shown.push_back(label);
  }
  return shown;
}

// The numbers under the bottom edge and right of the frame, as the families offered them, on
// the edges in view.
void PlaceScaleNumbers(ChartSettings& chart, Placer& placer) {
  const DrawingSurface& s = chart.Surface();
  const Colour grey = ClearLabelColour(LineFamily::DryBulb);
  float widest = 0.0f;
  std::vector<const OfferedLabel*> across;
  std::vector<const OfferedLabel*> up;
  for (const OfferedLabel& label : chart.OfferedLabels) {
    if (label.title) continue;
    if (label.family == LineFamily::DryBulb) {
      across.push_back(&label);
    } else if (label.family == LineFamily::Moisture || label.family == LineFamily::VapourPressure) {
      up.push_back(&label);
      const TextBox box = s.PlaceDeviceText({0.0f, 0.0f}, label.text, kStart, kMiddle);
      widest = std::max(widest, box.right - box.left);
    }
  }
  const ScaleEdges edges = EdgesInView(chart, widest);
  const auto device = [&s](const OfferedLabel* label) {
    return s.WorldToDevice(label->at.x, label->at.y);
  };
  std::erase_if(across, [&](const OfferedLabel* l) {
    const float x = device(l).x;
    return x < edges.left || x > edges.frameRight;
  });
  std::erase_if(up, [&](const OfferedLabel* l) {
    const float y = device(l).y;
    return y < edges.top || y > edges.frameBottom;
  });
  std::sort(across.begin(), across.end(),
            [](const OfferedLabel* a, const OfferedLabel* b) { return a->at.x < b->at.x; });
  std::sort(up.begin(), up.end(),
            [](const OfferedLabel* a, const OfferedLabel* b) { return a->at.y < b->at.y; });
  for (const OfferedLabel* label : ShownNumbers(across)) {
    placer.Place({device(label).x, edges.bottom}, label->text, grey,
                 {{kCentre, kBelow, 0.0f, 0.0f}});
  }
  for (const OfferedLabel* label : ShownNumbers(up)) {
    placer.Place({edges.right, device(label).y}, label->text, grey,
                 {{kStart, kMiddle, 0.0f, 0.0f}});
  }
}

// The axes' names: under the dry-bulb numbers, and above the right-hand scale.
void PlaceAxisTitles(ChartSettings& chart, Placer& placer) {
  const DrawingSurface& surface = chart.Surface();
  const float line = LineHeight(surface);
  const Colour grey = ClearLabelColour(LineFamily::DryBulb);
  const ScaleEdges edges = EdgesInView(chart, 0.0f);
  placer.Place({0.5f * (edges.left + edges.frameRight), edges.bottom},
               AxisTitle(chart, "Dry-bulb temperature", Quantity::Temperature), grey,
               {{kCentre, kBelow, 0.0f, 1.3f * line}});
  PointF topRight = surface.WorldToDevice(surface.MaxX, surface.MaxY);
  topRight.y = std::max(topRight.y, kScaleRoomLines * line);
  const std::string title = chart.ShowVapourPressureScale != 0
                                ? AxisTitle(chart, "Vapour pressure", Quantity::VapourPressure)
                                : AxisTitle(chart, "Humidity ratio", Quantity::Moisture);
  placer.Place({static_cast<float>(surface.DeviceWidth) - kNudge, topRight.y - 0.5f * line}, title,
               grey, {{kEnd, kAbove, 0.0f, 0.0f}});
}

// A relative-humidity curve's number on the curve, tried from the right of the chart, where
// the curves stand furthest apart, towards the left.
void PlaceCurveNumber(ChartSettings& chart, Placer& placer, const OfferedLabel& label) {
  const DrawingSurface& surface = chart.Surface();
  const AirState& air = chart.CursorState();
  const double fraction = 0.01 * label.value;
  const float span = surface.MaxX - surface.MinX;
  for (const float spot : kCurveSpots) {
    const float t = surface.MaxX - spot * span;
    const auto w = static_cast<float>(air.HumidityAtSaturationShare(t, fraction));
    if (!(w > surface.MinY && w < surface.MaxY)) continue;
    if (placer.PlaceAtWorld({t, w}, label.text, ClearLabelColour(label.family),
                            {{kCentre, kMiddle, 0.0f, 0.0f}})) {
      return;
    }
  }
}

void PlaceFamilyNumber(ChartSettings& chart, Placer& placer, const OfferedLabel& label) {
  const Colour colour = ClearLabelColour(label.family);
  switch (label.family) {
    case LineFamily::RelativeHumidity:
      PlaceCurveNumber(chart, placer, label);
      break;
    case LineFamily::WetBulb:
      placer.PlaceAtWorld(label.at, label.text, colour,
                          {{kEnd, kAbove, -kNudge, -1.0f},
                           {kEnd, kMiddle, -2.0f * kNudge, 0.0f},
                           {kCentre, kAbove, 0.0f, -kNudge}});
      break;
    case LineFamily::Volume:
      placer.PlaceAtWorld(label.at, label.text, colour,
                          {{kStart, kAbove, kNudge, -kNudge}, {kEnd, kAbove, -kNudge, -kNudge}});
      break;
    default:
      break;
  }
}

}  // namespace

std::string PressureCaption(const ChartSettings& chart) {
  const std::string model = ModelCaption(chart);
  if (!model.empty()) return model;
  const QuantityText& units = chart.GetUnits();
  return units.Number(Quantity::Pressure, chart.GetPressure()) + " " +
         std::string(units.Unit(Quantity::Pressure));
}

void PlaceClearLabels(ChartSettings& chart) {
  DrawingSurface& surface = chart.Surface();
  if (surface.Canvas == nullptr) return;
  Placer placer(chart);
  surface.SetOpaqueText(true);
  PlaceCaption(chart, placer);
  PlaceScaleNumbers(chart, placer);
  PlaceAxisTitles(chart, placer);
  // The enthalpy lines' own numbers give way to the scale beside the curve, which is there
  // whether the lines are drawn or the wet-bulb lines instead.
  for (const LineFamily family : {LineFamily::RelativeHumidity, LineFamily::Enthalpy,
                                  LineFamily::WetBulb, LineFamily::Volume}) {
    if (family == LineFamily::Enthalpy) {
      PlaceEnthalpyScale(chart, placer);
      continue;
    }
    for (const OfferedLabel& label : chart.OfferedLabels) {
      if (label.family == family) PlaceFamilyNumber(chart, placer, label);
    }
  }
  surface.SetOpaqueText(false);
  surface.SetTextColor(kBlack);
}

}  // namespace hygrovia
