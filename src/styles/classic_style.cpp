#include "styles/classic_style.h"

#include "drawing/chart_cursor.h"
#include "drawing/data_table.h"
#include "drawing/model_caption.h"
#include "model/chart_settings.h"

namespace hygrovia {
namespace {

class Classic final : public ChartStyle {
 public:
  ChartStyleName Name() const override { return ChartStyleName::Classic; }
  Colour Background() const override { return kButtonFace; }
  bool Smooth() const override { return false; }
  bool OpaquePictures() const override { return false; }
  float TextScale(int /*width*/, int /*height*/) const override { return 1.0f; }
  FrameMargins Margins() const override { return {0.5f, 1.1f, 0.5f, 1.1f}; }

  LinePen FamilyPen(LineFamily /*family*/, LineRank rank, bool highlight,
                    std::int32_t /*mode*/) const override {
    return {highlight ? kYellow : kBlue, rank == LineRank::Major ? kPenSolid : kPenDotted, 1.0f};
  }

  LinePen OverlayPen(int style) const override { return {kYellow, style, 1.0f}; }

  void Label(ChartSettings& chart, const FamilyLabel& label) const override {
    if (!HasScale(label.family) || label.minor) return;
    DrawValueLabel(chart, label.at.x, label.at.y, label.hAlign, label.vAlign, label.format,
                   label.value);
  }

  void FinishLabels(ChartSettings& /*chart*/) const override {}

  std::string Caption(const ChartSettings& chart) const override { return ModelCaption(chart); }

  void DrawMarks(ChartSettings& chart) const override {
    DrawCursorMarks(chart, 0);
    chart.Nodes.DrawNodes(chart.Surface());
  }

 private:
  // Only the scales along the frame carry numbers.
  static bool HasScale(LineFamily family) {
    return family == LineFamily::DryBulb || family == LineFamily::Moisture ||
           family == LineFamily::VapourPressure || family == LineFamily::Enthalpy;
  }
};

}  // namespace

const ChartStyle& ClassicStyle() {
  static const Classic kClassic;
  return kClassic;
}

}  // namespace hygrovia
