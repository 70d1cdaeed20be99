#include "drawing/overlays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "drawing/chart_drawing.h"
#include "model/chart_settings.h"
#include "psychro/air_state.h"
#include "support/recording_canvas.h"
#include "support/test_chart.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

using hygrovia::testing::RecordedPrimitive;
using hygrovia::testing::RecordingCanvas;

// The test chart with its cursor at a given point.
struct Chart : testing::TestChart {
  explicit Chart(ChartPoint at) { settings.Cursor = at; }

  // The device point a text was anchored at, recovered from its box and alignment codes.
  PointF AnchorOf(const RecordedPrimitive& text, int hAlign, int vAlign) const {
    const auto th = static_cast<float>(RecordingCanvas::kTextHeight);
    auto x = static_cast<float>(text.x1);
    if (hAlign == DrawingSurface::kAlignEnd) x = static_cast<float>(text.x2);
    if (hAlign == DrawingSurface::kAlignCentre) x = static_cast<float>(text.x1 + text.x2) * 0.5f;
    auto y = static_cast<float>(text.y1);
    if (vAlign == DrawingSurface::kAlignBelow) y -= th * 0.25f;
    if (vAlign == DrawingSurface::kAlignMiddle) y += th * 0.5f;
    if (vAlign == DrawingSurface::kAlignAbove) y += th;
    return {x, y};
  }

  // True when a device point lies within the truncation of the world point's pixel.
  bool Near(PointF device, float wx, float wy, float tolerance = 2.0f) const {
    const PointF expected = surface.WorldToDevice(wx, wy);
    return std::abs(device.x - expected.x) <= tolerance &&
           std::abs(device.y - expected.y) <= tolerance;
  }

  const RecordedPrimitive* Text(const std::string& s) const {
    for (const RecordedPrimitive& p : canvas.Primitives()) {
      if (p.kind == hygrovia::testing::PrimitiveKind::kText && p.text == s) return &p;
    }
    return nullptr;
  }
};

struct Placed {
  std::string text;
  float x;
  float y;
  int h;
  int v;
};

void ExpectTextsAt(const Chart& c, const std::vector<Placed>& placed) {
  for (const Placed& p : placed) {
    const RecordedPrimitive* text = c.Text(p.text);
    ASSERT_NE(text, nullptr) << p.text;
    EXPECT_TRUE(c.Near(c.AnchorOf(*text, p.h, p.v), p.x, p.y)) << p.text;
  }
}

// The x (°C) at which texts centred at x stand once moved into the frame: the widest of them is
// widthInChars characters of the recording canvas.
float CentredInFrame(const Chart& c, float x, int widthInChars) {
  const float half = 0.5f * static_cast<float>(widthInChars * RecordingCanvas::kCharWidth);
  const float left = c.surface.WorldToDevice(c.surface.MinX, 0.0f).x;
  const float device = std::max(c.surface.WorldToDevice(x, 0.0f).x, left + half);
  return (device - c.surface.OffsetX) / c.surface.ScaleX + c.surface.MinX;
}

void ExpectAllLinesYellowCopy(const Chart& c) {
  for (const RecordedPrimitive& line : c.canvas.Lines()) {
    EXPECT_EQ(line.pen_colour, kYellow);
    EXPECT_EQ(line.mix_mode, kMixCopy);
  }
}

constexpr int kCentre = DrawingSurface::kAlignCentre;
constexpr int kEnd = DrawingSurface::kAlignEnd;
constexpr int kStart = DrawingSurface::kAlignStart;
constexpr int kBelow = DrawingSurface::kAlignBelow;
constexpr int kMiddle = DrawingSurface::kAlignMiddle;
constexpr int kAbove = DrawingSurface::kAlignAbove;

TEST(HeatingCoolingOverlay, ArrowsToTheDewPointAndTheRightEdge) {
  Chart c({25.0f, 10.0f});
  DrawHeatingCoolingOverlay(c.settings);
  ExpectAllLinesYellowCopy(c);
  EXPECT_EQ(c.canvas.CountLines(kYellow, kPenSolid), 6);  // two arrows of three strokes
  EXPECT_EQ(c.canvas.TextStrings(), (std::vector<std::string>{" COOLING ", " HEATING "}));
  const double dew = c.cursor.DewPointFromHumidity(10.0);
  EXPECT_NEAR(dew, 14.07, 0.01);
  const std::vector<RecordedPrimitive> lines = c.canvas.Lines();
  const PointF coolTip = c.surface.WorldToDevice(static_cast<float>(dew), 10.0f);
  const PointF heatTip = c.surface.WorldToDevice(50.0f, 10.0f);
  EXPECT_EQ(lines[0].x2, static_cast<int>(coolTip.x));
  EXPECT_EQ(lines[3].x2, static_cast<int>(heatTip.x));
  const auto coolMiddle = static_cast<float>((25.0 + dew) / 2.0);
  EXPECT_NEAR(coolMiddle, 19.53, 0.01);
  ExpectTextsAt(c, {{" COOLING ", coolMiddle, 10.0f, kCentre, kMiddle},
                    {" HEATING ", 37.5f, 10.0f, kCentre, kMiddle}});
}

TEST(CondensationOverlay, PathDownTheSaturationCurve) {
  AirState probe;
  probe.ResetState();
  struct Case {
    const char* what;
    float dewPoint;
    int lines;  // cooling line, one stroke per degree walked, two more per arrowhead
  };
  const std::vector<Case> cases = {
      {"dew point 14.05: arrowheads ending at 1.05 and 0.05", 14.05f, 1 + 15 + 4},
      {"dew point 14.5: one arrowhead, ending at 0.5", 14.5f, 1 + 15 + 2},
      {"dew point 3.07", 3.07f, 1 + 4 + 4},
  };
  for (const Case& k : cases) {
    const auto cy = static_cast<float>(probe.SaturationHumidity(k.dewPoint));
    Chart c({30.0f, cy});
    DrawCondensationOverlay(c.settings);
    ExpectAllLinesYellowCopy(c);
    EXPECT_EQ(c.canvas.CountLines(kYellow, kPenSolid), k.lines) << k.what;
    EXPECT_EQ(c.canvas.TextStrings(),
              (std::vector<std::string>{" COOLING ", "DP", "DEHUMIDIFICATION", "(Condensation)"}))
        << k.what;
    // The walk stops at t = dp - n, the first value not above 0.
    const float dp = k.dewPoint;
    float t = dp;
    while (t > 0.0f) t -= 1.0f;
    const float w = static_cast<float>(probe.SaturationHumidity(t + 1.0f));
    // Regression: the labels were cut by the left edge of the image; they are kept in the frame.
    const float described = t + (dp - t) * 0.5f;
    const float lx = CentredInFrame(c, described, 16);
    const float ly = w + (described - t) * 0.5f;
    ExpectTextsAt(c, {{" COOLING ", (30.0f + dp) * 0.5f, cy, kCentre, kMiddle},
                      {"DP", dp, cy, kCentre, kAbove},
                      {"DEHUMIDIFICATION", lx, ly, kCentre, kAbove},
                      {"(Condensation)", lx, ly, kCentre, kBelow}});
  }
}

TEST(CondensationOverlay, DewPointBelowFreezingDrawsOnlyTheCooling) {
  Chart c({25.0f, 2.0f});
  const auto dp = static_cast<float>(c.cursor.DewPointFromHumidity(2.0));
  ASSERT_LT(dp, 0.0f);
  DrawCondensationOverlay(c.settings);
  EXPECT_EQ(c.canvas.CountLines(kYellow, kPenSolid), 1);
  // Regression: the labels stood left of the chart at the dew point; they are kept in the frame.
  const float lx = CentredInFrame(c, dp, 16);
  ExpectTextsAt(c, {{"DP", dp, 2.0f, kCentre, kAbove},
                    {"DEHUMIDIFICATION", lx, 2.0f, kCentre, kAbove},
                    {"(Condensation)", lx, 2.0f, kCentre, kBelow}});
}

TEST(AdiabaticOverlay, ArrowsAlongTheEnthalpyLine) {
  Chart c({25.0f, 10.0f});
  DrawAdiabaticOverlay(c.settings);
  ExpectAllLinesYellowCopy(c);
  EXPECT_EQ(c.canvas.CountLines(kYellow, kPenSolid), 6);
  const std::vector<RecordedPrimitive> lines = c.canvas.Lines();
  const PointF humidifyTip = c.surface.WorldToDevice(13.0f, 14.752f);
  const PointF dehumidifyTip = c.surface.WorldToDevice(37.0f, 5.248f);
  EXPECT_EQ(lines[0].x2, static_cast<int>(humidifyTip.x));
  EXPECT_EQ(lines[0].y2, static_cast<int>(humidifyTip.y));
  EXPECT_EQ(lines[3].x2, static_cast<int>(dehumidifyTip.x));
  EXPECT_EQ(lines[3].y2, static_cast<int>(dehumidifyTip.y));
  EXPECT_EQ(c.canvas.TextStrings(),
            (std::vector<std::string>{"HUMIDIFICATION", "(Evaporative Cooling)", "DEHUMIDIFICATION",
                                      "(Absorption by Sorbents)"}));
  ExpectTextsAt(c, {{"HUMIDIFICATION", 19.0f, 12.376f, kCentre, kAbove},
                    {"(Evaporative Cooling)", 19.0f, 12.376f, kCentre, kBelow},
                    {"DEHUMIDIFICATION", 31.0f, 7.624f, kCentre, kAbove},
                    {"(Absorption by Sorbents)", 31.0f, 7.624f, kCentre, kBelow}});
}

TEST(MixingOverlay, TwoStreamsAndTheirMixture) {
  Chart c({20.0f, 8.0f});
  DrawMixingOverlay(c.settings);
  ExpectAllLinesYellowCopy(c);
  // Three crosses of two strokes and six leads dotted, the mixing line solid.
  EXPECT_EQ(c.canvas.CountLines(kYellow, kPenDotted), 12);
  EXPECT_EQ(c.canvas.CountLines(kYellow, kPenSolid), 1);
  EXPECT_EQ(c.canvas.TextStrings(),
            (std::vector<std::string>{" RESULT", "Hr", "Tr", "AIR2", "H2", "T2", "AIR1", "H1", "T1",
                                      "M1", "M2"}));
  const float bottom = c.surface.MinY;
  ExpectTextsAt(c, {{" RESULT", 20.0f, 8.0f, kStart, kMiddle},
                    {"Hr", 7.0f, 13.148f, kEnd, kMiddle},
                    // Regression: "Tr" covered the scale's "20"; it stands above the edge.
                    {"Tr", 20.0f, bottom, kCentre, kAbove},
                    {"AIR2", 26.0f, 16.0f, kCentre, kAbove},
                    {"H2", 15.35f, 20.2174f, kEnd, kAbove},
                    {"T2", 26.0f, bottom, kCentre, kBelow},
                    {"AIR1", 17.0f, 4.0f, kCentre, kBelow},
                    {"H1", 3.0f, 9.544f, kEnd, kAbove},
                    {"T1", 17.0f, bottom, kCentre, kBelow},
                    {"M1", 18.5f, 6.0f, kEnd, kAbove},
                    {"M2", 23.0f, 12.0f, kEnd, kAbove}});
  // The mixing line runs from AIR1 to AIR2.
  const RecordedPrimitive mixing = c.canvas.Lines().back();
  const PointF air1 = c.surface.WorldToDevice(17.0f, 4.0f);
  const PointF air2 = c.surface.WorldToDevice(26.0f, 16.0f);
  EXPECT_EQ(mixing.x1, static_cast<int>(air1.x));
  EXPECT_EQ(mixing.y1, static_cast<int>(air1.y));
  EXPECT_EQ(mixing.x2, static_cast<int>(air2.x));
  EXPECT_EQ(mixing.y2, static_cast<int>(air2.y));
}

TextBox BoxOf(const RecordedPrimitive& t) {
  return {static_cast<float>(t.x1), static_cast<float>(t.y1), static_cast<float>(t.x2),
          static_cast<float>(t.y2)};
}

// Regression: "Tr" was written over the scale's "25" under the default cursor, and "T2" over
// "30" in a small window.
TEST(MixingOverlay, NoTwoTextsOverlapAtTheDefaultCursor) {
  for (const int width : {800, 450, 1600}) {
    testing::TestChart c(width, width * 3 / 4);
    c.settings.RequestedHighlight = HighlightMode::MixingAirStreams;
    DrawChart(c.settings, c.status);
    std::vector<RecordedPrimitive> texts;
    for (const RecordedPrimitive& t : c.canvas.Texts()) {
      // The data table's rows lie on their own shadows.
      const auto& rows = c.settings.TableLines;
      if (std::find(rows.begin(), rows.end(), t.text) == rows.end()) texts.push_back(t);
    }
    // The overlay's texts come last, from " RESULT" on; each is checked against every other.
    const auto overlay = std::find_if(
        texts.begin(), texts.end(), [](const RecordedPrimitive& t) { return t.text == " RESULT"; });
    ASSERT_NE(overlay, texts.end());
    const auto first = static_cast<std::size_t>(overlay - texts.begin());
    for (std::size_t j = first; j < texts.size(); ++j) {
      for (std::size_t i = 0; i < j; ++i) {
        const TextBox a = BoxOf(texts[i]);
        const TextBox b = BoxOf(texts[j]);
        EXPECT_FALSE(Overlap(a, b))
            << width << ": \"" << texts[i].text << "\" and \"" << texts[j].text << "\"";
      }
    }
  }
}

TEST(Overlays, OddCursorsFinishWithoutFault) {
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<ChartPoint> cursors = {{25.0f, -700.0f}, {25.0f, -622.0f}, {25.0f, -622.0037f},
                                           {1e6f, 1e6f},     {-1e6f, 0.0f},    {0.0f, 1e30f},
                                           {inf, inf},       {25.0f, 0.0f}};
  for (const ChartPoint cursor : cursors) {
    Chart c(cursor);
    DrawHeatingCoolingOverlay(c.settings);
    DrawCondensationOverlay(c.settings);
    DrawAdiabaticOverlay(c.settings);
    DrawMixingOverlay(c.settings);
    // A condensation walk is never longer than its step cap.
    EXPECT_LT(c.canvas.Lines().size(), 3100u) << cursor.X << " " << cursor.Y;
  }
}

}  // namespace
}  // namespace hygrovia
