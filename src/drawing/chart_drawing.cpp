#include "drawing/chart_drawing.h"
#include "families/dry_bulb_lines.h"
#include "families/humidity_curves.h"
#include "families/humidity_scale_lines.h"

#include <cstdint>
#include <string>

#include "model/chart_settings.h"
#include "drawing/climate_drawing.h"
#include "drawing/data_table.h"
#include "families/diagonal_families.h"
#include "drawing/highlight_captions.h"
#include "families/line_family.h"
#include "drawing/model_caption.h"
#include "drawing/overlays.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// Highlighting a family that is switched off switches it on (or the other way round) for the
// next drawing instead of drawing it. True when it was switched.
bool SwitchFamily(ChartSettings& chart, std::int32_t& flag, std::int32_t drawn) {
  if (flag == drawn) {
    return false;
  }
  flag = drawn;
  chart.Surface().RefreshControl();
  return true;
}

// Draws a line family in yellow over the chart; false for modes that are no family.
bool HighlightFamily(ChartSettings& chart, int mode) {
  const DiagonalFamilies& diagonal = DiagonalFamiliesOf(chart.GetPropertyModel());
  switch (mode) {
    case HighlightMode::DryBulb:
      DrawDryBulbLines(chart, false, true);
      return true;
    case HighlightMode::WetBulb:
      if (!SwitchFamily(chart, chart.ShowEnthalpyLines, 0)) diagonal.wetBulb(chart, true);
      return true;
    case HighlightMode::AbsoluteHumidity:
      if (!SwitchFamily(chart, chart.ShowVapourPressureScale, 0)) {
        DrawAbsHumidityLines(chart, false, true);
      }
      return true;
    case HighlightMode::RelativeHumidity:
      DrawRelHumidityCurves(chart, true);
      return true;
    case HighlightMode::VapourPressure:
      if (!SwitchFamily(chart, chart.ShowVapourPressureScale, 1)) {
        DrawVapourPressureLines(chart, false, true);
      }
      return true;
    case HighlightMode::SpecificVolume:
      diagonal.volume(chart, true);
      return true;
    case HighlightMode::Enthalpy:
      if (!SwitchFamily(chart, chart.ShowEnthalpyLines, 1)) diagonal.enthalpy(chart, false, true);
      return true;
    default:
      return false;
  }
}

// Draws a teaching overlay; false for modes that are no overlay.
bool HighlightOverlay(ChartSettings& chart, int mode) {
  switch (mode) {
    case HighlightMode::HeatingAndCooling:
      DrawHeatingCoolingOverlay(chart);
      return true;
    case HighlightMode::DewPointAndCondensation:
      DrawCondensationOverlay(chart);
      return true;
    case HighlightMode::AdiabaticProcesses:
      DrawAdiabaticOverlay(chart);
      return true;
    case HighlightMode::MixingAirStreams:
      DrawMixingOverlay(chart);
      return true;
    default:
      return false;
  }
}

void DrawLineFamilies(ChartSettings& chart) {
  chart.OfferedLabels.clear();
  DrawDryBulbLines(chart, true, false);
  DrawRelHumidityCurves(chart, false);
  if (chart.ShowVapourPressureScale != 0) {
    DrawVapourPressureLines(chart, true, false);
  } else {
    DrawAbsHumidityLines(chart, true, false);
  }
  const DiagonalFamilies& diagonal = DiagonalFamiliesOf(chart.GetPropertyModel());
  if (chart.ShowEnthalpyLines != 0) {
    diagonal.enthalpy(chart, true, false);
  } else {
    diagonal.wetBulb(chart, false);
  }
  diagonal.volume(chart, false);
  DrawModelCaption(chart);
}

}  // namespace

void DrawChart(ChartSettings& chart, StatusLine& status) {
  if (chart.RelativeCursor != 0) {
    BuildRelativeTable(chart);
  } else {
    BuildPointTable(chart);
  }
  DrawClimateLayer(chart);
  DrawTable(chart);
  DrawLineFamilies(chart);
  chart.Highlight = chart.RequestedHighlight;
  if (chart.Highlight != HighlightMode::None) {
    HighlightPass(chart, status, chart.Highlight, true);
  }
  chart.Style().FinishLabels(chart);
  chart.Style().DrawMarks(chart);
}

void DrawChartOutline(ChartSettings& chart) {
  DrawingSurface& surface = chart.Surface();
  SetFamilyPen(chart, LineFamily::Saturation, LineRank::Minor, false);
  const PointF bottomLeft{surface.MinX, surface.MinY};
  const PointF topRight{surface.MaxX, surface.MaxY};
  const PointF bottomRight{surface.MaxX, surface.MinY};
  const CurveEnd saturation = DrawHumidityCurve(chart, 1.0, bottomLeft);
  PointF curveEnd = saturation.last;
  PointF corner = topRight;
  if (CutBelow(curveEnd, corner, surface.MinY)) {
    DrawSegment(surface, curveEnd, corner);
  }
  DrawSegment(surface, topRight, bottomRight);
  DrawSegment(surface, bottomRight, bottomLeft);
  // The left edge up to the saturation curve, when that comes in through the left edge.
  PointF leftEdgeFrom = bottomLeft;
  PointF leftEdgeTo{chart.TempMin, SaturationAt(chart.CursorState(), chart.TempMin)};
  if (CutBelow(leftEdgeFrom, leftEdgeTo, surface.MinY)) {
    DrawSegment(surface, leftEdgeFrom, leftEdgeTo);
  }
  chart.Style().DrawMarks(chart);
}

void HighlightPass(ChartSettings& chart, StatusLine& status, int mode, bool announce) {
  if (!HighlightFamily(chart, mode) && !HighlightOverlay(chart, mode)) {
    return;
  }
  if (announce) {
    status.SetText(HighlightCaption(mode, chart.GetUnits()));
  }
  chart.Surface().SetPen(kBlack, kPenSolid, 1);
}

}  // namespace hygrovia
