#ifndef HYGROVIA_MODEL_CHART_STYLE_H
#define HYGROVIA_MODEL_CHART_STYLE_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "psychro/geometry.h"
#include "surface/colour.h"
#include "units/chart_grid_units.h"

namespace hygrovia {

class ChartSettings;

// The looks the chart can be drawn in: the chart's own ("Classic"), and a labelled,
// anti-aliased one on white ("Clear"). The value is the item index in the settings dialog.
enum class ChartStyleName : std::int32_t { Classic = 0, Clear = 1 };

// "Classic" or "Clear".
std::string_view ChartStyleText(ChartStyleName name);
// The style a word names, in any letter case; nothing for any other word.
std::optional<ChartStyleName> ChartStyleFromText(std::string_view text);

// The line families as a style tells them apart. Saturation is the 100 % curve, Frame the top
// edge right of it; Moisture and VapourPressure are the two horizontal scales.
enum class LineFamily {
  DryBulb,
  RelativeHumidity,
  Saturation,
  Frame,
  Moisture,
  VapourPressure,
  WetBulb,
  Enthalpy,
  Volume,
};

// Major lines are the numbered ones (every 5 °C, 5 g/kg, 10 kJ/kg), minor the ones between.
enum class LineRank { Minor, Major };

// A pen: colour, style (kPenSolid, kPenDotted) and width in pixels.
struct LinePen {
  Colour colour = kBlack;
  int style = kPenSolid;
  float width = 1.0f;
};

// Room around the frame for the scales, in heights (top, bottom) and widths (left, right) of
// the text "W".
struct FrameMargins {
  float left = 0.0f;
  float right = 0.0f;
  float top = 0.0f;
  float bottom = 0.0f;
};

// A label a line family offers: the text is the printf-style format applied to value (a format
// without a conversion stands as it is), placed at world point `at` by the surface's alignment
// codes. Titles name the family rather than number a line; a minor label numbers a line the
// chart's own scale leaves unnumbered, for styles that number the first and last lines in view.
struct FamilyLabel {
  LineFamily family = LineFamily::DryBulb;
  PointF at;
  int hAlign = 0;
  int vAlign = 0;
  std::string_view format;
  double value = 0.0;
  bool title = false;
  bool minor = false;
};

// A label kept for placement after the families are drawn, its text already made.
struct OfferedLabel {
  LineFamily family = LineFamily::DryBulb;
  PointF at;
  int hAlign = 0;
  int vAlign = 0;
  std::string text;
  double value = 0.0;
  bool title = false;
  bool minor = false;
};

// How the chart looks: what the line families, overlays and marks ask for their pens, labels
// and text size. One object per style, chosen through the chart settings.
class ChartStyle {
 public:
  virtual ~ChartStyle() = default;

  virtual ChartStyleName Name() const = 0;
  // The colour the screen's chart area is cleared to.
  virtual Colour Background() const = 0;
  // True for anti-aliased lines at fractions of a pixel, whose marks are never XORed.
  virtual bool Smooth() const = 0;
  // True when pictures of the chart (clipboard, SVG, PDF) are laid on the background colour;
  // false leaves them transparent, so they take the colour of the page they are put on.
  virtual bool OpaquePictures() const = 0;
  // Text size as a multiple of the chart font on a chart area of width by height pixels.
  virtual float TextScale(int width, int height) const = 0;
  virtual FrameMargins Margins() const = 0;
  // The pen of a family's line; highlight is set while the highlight pass draws the family
  // again, mode is the highlight mode the drawing shows (HighlightMode values).
  virtual LinePen FamilyPen(LineFamily family, LineRank rank, bool highlight,
                            std::int32_t mode) const = 0;
  // The pen of the teaching overlays, in the given pen style.
  virtual LinePen OverlayPen(int style) const = 0;
  // A family's label: drawn at once, kept until FinishLabels, or left out.
  virtual void Label(ChartSettings& chart, const FamilyLabel& label) const = 0;
  // Places and draws what the families offered, after the highlight pass.
  virtual void FinishLabels(ChartSettings& chart) const = 0;
  // The caption drawn inside the frame's top-right corner with the families; empty for none.
  virtual std::string Caption(const ChartSettings& chart) const = 0;
  // The cursor's marks and the nodes at the end of a full drawing.
  virtual void DrawMarks(ChartSettings& chart) const = 0;
  // The spacing of the specific-volume lines for a style that draws them finer than the
  // chart's own; nothing keeps the chart's own.
  virtual std::optional<LineSpacing> VolumeSpacing(UnitSystem /*system*/) const {
    return std::nullopt;
  }
};

// The style object of each name. The chart's settings are handed one by whoever builds the
// chart (the session), so this layer never depends on the styles themselves.
using StyleLookup = const ChartStyle& (*)(ChartStyleName name);

}  // namespace hygrovia

#endif  // HYGROVIA_MODEL_CHART_STYLE_H
