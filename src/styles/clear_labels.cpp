#include "styles/clear_labels.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "model/chart_settings.h"
#include "styles/clear_style.h"
#include "drawing/data_table.h"
#include "styles/label_board.h"
#include "drawing/model_caption.h"
#include "base/number_text.h"
#include "units/quantity_text.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

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
// Where along the chart's width (from the right) a relative-humidity label is tried.
constexpr std::array<float, 9> kCurveSpots = {0.06f, 0.16f, 0.26f, 0.36f, 0.46f,
                                              0.56f, 0.66f, 0.76f, 0.86f};

constexpr int kStart = DrawingSurface::kAlignStart;
constexpr int kEnd = DrawingSurface::kAlignEnd;
constexpr int kCentre = DrawingSurface::kAlignCentre;
constexpr int kBelow = DrawingSurface::kAlignBelow;
constexpr int kMiddle = DrawingSurface::kAlignMiddle;
constexpr int kAbove = DrawingSurface::kAlignAbove;

// A way to set a text at a point: its alignment codes and a shift in pixels.
struct Placement {
  int hAlign;
  int vAlign;
  float dx;
  float dy;
};

TextBox Shifted(TextBox box, float dx, float dy) {
  return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

// Sets texts where they fit on the board.
class Placer {
 public:
  explicit Placer(ChartSettings& chart)
      : surface_(chart.Surface()),
        board_({0.0f, 0.0f, static_cast<float>(surface_.DeviceWidth),
                static_cast<float>(surface_.DeviceHeight)}) {
    const TextBox table = TableBox(chart);
    if (table.left <= table.right) board_.Take(table);
  }

  // Draws the text at the first placement about the device point that fits; false when none.
  bool Place(PointF device, std::string_view text, Colour colour,
             std::initializer_list<Placement> tries) {
    for (const Placement& p : tries) {
      const TextBox box =
          Shifted(surface_.PlaceDeviceText(device, text, p.hAlign, p.vAlign), p.dx, p.dy);
      if (board_.TryTake(box)) {
        surface_.SetTextColor(colour);
        surface_.DrawTextInBox(box, text);
        return true;
      }
    }
    return false;
  }

  bool PlaceAtWorld(PointF at, std::string_view text, Colour colour,
                    std::initializer_list<Placement> tries) {
    return Place(surface_.WorldToDevice(at.x, at.y), text, colour, tries);
  }

 private:
  DrawingSurface& surface_;
  LabelBoard board_;
};

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

// The numbers under the bottom edge and right of the frame, as the families offered them.
void PlaceScaleNumbers(ChartSettings& chart, Placer& placer) {
  const Colour grey = ClearLabelColour(LineFamily::DryBulb);
  for (const OfferedLabel& label : chart.OfferedLabels) {
    if (label.title) continue;
    if (label.family == LineFamily::DryBulb) {
      placer.PlaceAtWorld(label.at, label.text, grey, {{kCentre, kBelow, 0.0f, 0.0f}});
    } else if (label.family == LineFamily::Moisture || label.family == LineFamily::VapourPressure) {
      placer.PlaceAtWorld(label.at, label.text, grey, {{kStart, kMiddle, 0.0f, 0.0f}});
    }
  }
}

// The axes' names: under the dry-bulb numbers, and above the right-hand scale.
void PlaceAxisTitles(ChartSettings& chart, Placer& placer) {
  const DrawingSurface& surface = chart.Surface();
  const float line = LineHeight(surface);
  const Colour grey = ClearLabelColour(LineFamily::DryBulb);
  placer.PlaceAtWorld({0.5f * (surface.MinX + surface.MaxX), surface.MinY},
                      AxisTitle(chart, "Dry-bulb temperature", Quantity::Temperature), grey,
                      {{kCentre, kBelow, 0.0f, 1.3f * line}});
  const PointF topRight = surface.WorldToDevice(surface.MaxX, surface.MaxY);
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
    case LineFamily::Enthalpy:
      placer.PlaceAtWorld(label.at, label.text, colour,
                          {{label.hAlign, label.vAlign, 0.0f, 0.0f},
                           {kEnd, kMiddle, -kNudge, 0.0f},
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
  for (const LineFamily family : {LineFamily::RelativeHumidity, LineFamily::WetBulb,
                                  LineFamily::Enthalpy, LineFamily::Volume}) {
    for (const OfferedLabel& label : chart.OfferedLabels) {
      if (label.family == family) PlaceFamilyNumber(chart, placer, label);
    }
  }
  surface.SetOpaqueText(false);
  surface.SetTextColor(kBlack);
}

}  // namespace hygrovia
