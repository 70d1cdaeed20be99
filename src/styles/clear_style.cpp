#include "styles/clear_style.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>

#include "model/chart_settings.h"
#include "styles/clear_labels.h"
#include "styles/clear_marks.h"
#include "base/number_text.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// Colours after Okabe and Ito's palette for colour-blind readers; greys for the grid.
constexpr Colour kHumidityBlue = Rgb(0, 114, 178);
constexpr Colour kWetBulbGreen = Rgb(0, 158, 115);
constexpr Colour kEnthalpyOrange = Rgb(230, 159, 0);
constexpr Colour kVolumePurple = Rgb(204, 121, 167);
constexpr Colour kGridMajor = Rgb(150, 150, 150);
constexpr Colour kGridMinor = Rgb(214, 214, 214);
constexpr Colour kFrameGrey = Rgb(96, 96, 96);
constexpr Colour kOverlayInk = Rgb(26, 26, 26);
constexpr Colour kLabelGrey = Rgb(64, 64, 64);

// Text grows with the chart area from the font's own size at this many pixels across (or
// down) to kLargestTextScale times it.
constexpr float kFontWidth = 1000.0f;
constexpr float kFontHeight = 750.0f;
constexpr float kLargestTextScale = 1.5f;

// A highlighted family is this much darker and this much wider; the others fade towards white.
constexpr float kHighlightDarken = 0.6f;
constexpr float kHighlightWidth = 2.2f;
constexpr float kFadeToWhite = 0.75f;

struct FamilyLook {
  Colour minor;
  Colour major;
  float minorWidth;
  float majorWidth;
};

FamilyLook LookOf(LineFamily family) {
  switch (family) {
    case LineFamily::DryBulb:
    case LineFamily::Moisture:
    case LineFamily::VapourPressure:
      return {kGridMinor, kGridMajor, 0.8f, 1.2f};
    case LineFamily::RelativeHumidity:
      return {kHumidityBlue, kHumidityBlue, 1.0f, 1.0f};
    case LineFamily::Saturation:
      return {kHumidityBlue, kHumidityBlue, 2.0f, 2.0f};
    case LineFamily::Frame:
      return {kFrameGrey, kFrameGrey, 1.2f, 1.2f};
    case LineFamily::WetBulb:
      return {Rgb(140, 208, 186), kWetBulbGreen, 0.8f, 1.3f};
    case LineFamily::Enthalpy:
      return {Rgb(243, 209, 140), kEnthalpyOrange, 0.8f, 1.3f};
    case LineFamily::Volume:
      return {kVolumePurple, kVolumePurple, 1.1f, 1.1f};
  }
  return {kGridMinor, kGridMajor, 1.0f, 1.0f};
}

std::uint8_t Mixed(std::uint8_t from, std::uint8_t to, float share) {
  return static_cast<std::uint8_t>(std::lround(from + (to - from) * share));
}

// The colour moved share of the way to another.
Colour Towards(Colour from, Colour to, float share) {
  return Rgb(Mixed(RedOf(from), RedOf(to), share), Mixed(GreenOf(from), GreenOf(to), share),
             Mixed(BlueOf(from), BlueOf(to), share));
}

// The highlight mode that shows the family.
std::int32_t ModeOf(LineFamily family) {
  switch (family) {
    case LineFamily::DryBulb:
      return HighlightMode::DryBulb;
    case LineFamily::RelativeHumidity:
    case LineFamily::Saturation:
    case LineFamily::Frame:
      return HighlightMode::RelativeHumidity;
    case LineFamily::Moisture:
      return HighlightMode::AbsoluteHumidity;
    case LineFamily::VapourPressure:
      return HighlightMode::VapourPressure;
    case LineFamily::WetBulb:
      return HighlightMode::WetBulb;
    case LineFamily::Enthalpy:
      return HighlightMode::Enthalpy;
    case LineFamily::Volume:
      return HighlightMode::SpecificVolume;
  }
  return HighlightMode::None;
}

class Clear final : public ChartStyle {
 public:
  ChartStyleName Name() const override { return ChartStyleName::Clear; }
  Colour Background() const override { return kWhite; }
  bool Smooth() const override { return true; }
  bool OpaquePictures() const override { return true; }

  float TextScale(int width, int height) const override {
    const float scale =
        std::min(static_cast<float>(width) / kFontWidth, static_cast<float>(height) / kFontHeight);
    return std::clamp(std::isfinite(scale) ? scale : 1.0f, 1.0f, kLargestTextScale);
  }

  // Room for the moisture numbers right of the frame, the axis titles under and above it.
  FrameMargins Margins() const override { return {1.0f, 3.4f, 2.2f, 2.8f}; }

  LinePen FamilyPen(LineFamily family, LineRank rank, bool highlight,
                    std::int32_t mode) const override {
    const FamilyLook look = LookOf(family);
    const bool major = rank == LineRank::Major;
    LinePen pen{major ? look.major : look.minor, kPenSolid,
                major ? look.majorWidth : look.minorWidth};
    if (highlight) {
      pen.colour = Towards(look.major, kBlack, 1.0f - kHighlightDarken);
      pen.width = std::max(pen.width * 1.6f, major ? kHighlightWidth : kHighlightWidth * 0.6f);
    } else if (mode != HighlightMode::None && mode != ModeOf(family)) {
      pen.colour = Towards(pen.colour, kWhite, kFadeToWhite);
    }
    return pen;
  }

  LinePen OverlayPen(int style) const override { return {kOverlayInk, style, 1.8f}; }

  void Label(ChartSettings& chart, const FamilyLabel& label) const override {
    if (!std::isfinite(label.at.x) || !std::isfinite(label.at.y)) return;
    chart.OfferedLabels.push_back({label.family, label.at, label.hAlign, label.vAlign,
                                   LabelText(label), label.value, label.title});
  }

  void FinishLabels(ChartSettings& chart) const override { PlaceClearLabels(chart); }

  // The pressure is written with the labels, where they make room for it.
  std::string Caption(const ChartSettings& /*chart*/) const override { return {}; }

  void DrawMarks(ChartSettings& chart) const override {
    const DrawingSurface& surface = chart.Surface();
    if (surface.MarksOverPicture && surface.PictureOutput == 0) return;
    DrawSolidMarks(chart);
  }

 private:
  static std::string LabelText(const FamilyLabel& label) {
    if (label.title) return std::string(label.format);
    switch (label.family) {
      case LineFamily::RelativeHumidity:
        return fmt::format("{:.0f}%", label.value);
      case LineFamily::VapourPressure:
        return fmt::format("{:.1f}", label.value);
      case LineFamily::Volume:  // three decimals of m³/kg, one of ft³/lb
        return FormatText(label.format, label.value);
      default:
        return fmt::format("{:.0f}", label.value);
    }
  }
};

}  // namespace

const ChartStyle& ClearStyle() {
  static const Clear kClear;
  return kClear;
}

Colour ClearLabelColour(LineFamily family) {
  switch (family) {
    case LineFamily::RelativeHumidity:
    case LineFamily::Saturation:
      return kHumidityBlue;
    case LineFamily::WetBulb:
      return Towards(kWetBulbGreen, kBlack, 0.25f);
    case LineFamily::Enthalpy:
      return Towards(kEnthalpyOrange, kBlack, 0.35f);
    case LineFamily::Volume:
      return Towards(kVolumePurple, kBlack, 0.3f);
    default:
      return kLabelGrey;
  }
}

}  // namespace hygrovia
