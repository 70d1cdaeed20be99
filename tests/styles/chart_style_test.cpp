#include "model/chart_style.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawing/chart_cursor.h"
#include "drawing/chart_drawing.h"
#include "families/dry_bulb_lines.h"
#include "families/enthalpy_lines.h"
#include "families/humidity_curves.h"
#include "families/humidity_scale_lines.h"
#include "families/volume_lines.h"
#include "families/wet_bulb_lines.h"
#include "styles/clear_style.h"
#include "styles/label_board.h"
#include "support/test_chart.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

using testing::PrimitiveKind;
using testing::RecordedPrimitive;
using testing::TestChart;

constexpr Colour kMarkColour = Rgb(213, 94, 0);

// A default chart of the given size in the Clear style.
struct ClearChart : TestChart {
  ClearChart(int width = kWidth, int height = kHeight) : TestChart(width, height) {
    settings.SetChartStyle(ChartStyleName::Clear);
  }
  void Draw() {
    canvas.ClearRecord();
    DrawChart(settings, status);
  }
};

std::set<Colour> LineColours(const std::vector<RecordedPrimitive>& lines) {
  std::set<Colour> colours;
  for (const RecordedPrimitive& line : lines) colours.insert(line.pen_colour);
  return colours;
}

bool Shares(const std::set<Colour>& a, const std::set<Colour>& b) {
  return std::any_of(a.begin(), a.end(), [&b](Colour c) { return b.count(c) != 0; });
}

TEST(ChartStyleTest, NamesReadInAnyLetterCase) {
  struct Case {
    const char* text;
    std::optional<ChartStyleName> name;
  };
  const std::vector<Case> cases = {
      {"Classic", ChartStyleName::Classic},
      {"CLEAR", ChartStyleName::Clear},
      {"clear", ChartStyleName::Clear},
      {"cLASSIC", ChartStyleName::Classic},
      {"", std::nullopt},
      {"clear ", std::nullopt},
      {"Clearer", std::nullopt},
      {"fusion", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ChartStyleFromText(c.text), c.name) << c.text;
  for (const ChartStyleName name : {ChartStyleName::Classic, ChartStyleName::Clear}) {
    EXPECT_EQ(ChartStyleFromText(ChartStyleText(name)), name);
  }
}

// Each family in a colour of its own (the dry-bulb and moisture grid sharing greys), none of
// them the marks' colour, every line smooth and solid.
TEST(ChartStyleTest, ClearFamiliesEachHaveTheirColour) {
  struct Family {
    const char* name;
    std::function<void(ChartSettings&)> draw;
  };
  const std::vector<Family> families = {
      {"dry bulb and moisture",
       [](ChartSettings& c) {
         DrawDryBulbLines(c, false, false);
         DrawAbsHumidityLines(c, false, false);
       }},
      {"relative humidity", [](ChartSettings& c) { DrawRelHumidityCurves(c, false); }},
      {"wet bulb", [](ChartSettings& c) { DrawWetBulbLines(c, false); }},
      {"enthalpy", [](ChartSettings& c) { DrawEnthalpyLines(c, false, false); }},
      {"volume", [](ChartSettings& c) { DrawVolumeLines(c, false); }},
  };
  std::vector<std::set<Colour>> seen;
  for (const Family& f : families) {
    ClearChart chart;
    f.draw(chart.settings);
    const std::vector<RecordedPrimitive> lines = chart.canvas.Lines();
    ASSERT_FALSE(lines.empty()) << f.name;
    for (const RecordedPrimitive& line : lines) {
      ASSERT_TRUE(line.smooth) << f.name;
      ASSERT_EQ(line.pen_style, kPenSolid) << f.name;
    }
    const std::set<Colour> colours = LineColours(lines);
    EXPECT_EQ(colours.count(kMarkColour), 0u) << f.name;
    EXPECT_EQ(colours.count(kBlue), 0u) << f.name;
    for (const std::set<Colour>& other : seen) EXPECT_FALSE(Shares(colours, other)) << f.name;
    seen.push_back(colours);
  }
}

TEST(ChartStyleTest, ClearDefaultChartLabelsEveryFamily) {
  ClearChart chart;
  chart.Draw();
  const std::vector<std::string> texts = chart.canvas.TextStrings();
  const std::vector<std::string> expected = {
      // Dry bulb under the frame, moisture right of it, and the axes' names.
      "5", "25", "50",
      "Dry-bulb temperature (\xC2\xB0"
      "C)",
      "Humidity ratio (g/kg)",
      // Relative humidity along its curves, wet bulb at saturation, volume along the bottom.
      "10%", "50%", "90%", "0", "15", "30", "0.800", "0.850", "0.900",
      // The pressure in the corner.
      "101.365 kPa"};
  for (const std::string& text : expected) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
  }
  // Fives on the dry-bulb, moisture and wet-bulb scales.
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "5"), 3);
  // The Classic scale titles give way to the axes' names.
  for (const char* classic : {" AH",
                              "       DBT(\xC2\xB0"
                              "C)"}) {
    EXPECT_EQ(std::find(texts.begin(), texts.end(), classic), texts.end()) << classic;
  }
}

// Regression: in inch-pound units the Clear chart named its axes in °C and g/kg and wrote the
// pressure in kPa, and numbered its volume lines to three decimals of ft³/lb.
TEST(ChartStyleTest, ClearLabelsSpeakTheChartsUnits) {
  ClearChart chart;
  chart.settings.SetUnitSystem(UnitSystem::Ip);
  chart.settings.SetRanges(-10.0f / 9.0f, 0.0f, 440.0f / 9.0f, 200.0f / 7.0f);
  chart.Draw();
  const std::vector<std::string> texts = chart.canvas.TextStrings();
  for (const char* text : {"Dry-bulb temperature (\xC2\xB0"
                           "F)",
                           "Humidity ratio (gr/lb)", "14.702 psia", "14.0"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
  }
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "14.000"), texts.end());
}

// Whatever the size and whichever scales are shown, no two texts of the chart overlap and
// every one lies on the device. The data table's shadows (white) overlap their own rows.
TEST(ChartStyleTest, ClearLabelsNeverOverlap) {
  struct Variant {
    const char* name;
    std::function<void(ChartSettings&)> set;
  };
  const std::vector<Variant> variants = {
      {"default", [](ChartSettings&) {}},
      {"enthalpy and vapour pressure",
       [](ChartSettings& c) {
         c.ShowEnthalpyLines = 1;
         c.ShowVapourPressureScale = 1;
       }},
      {"ashrae at altitude",
       [](ChartSettings& c) {
         c.SetPropertyModel(PropertyModel::Ashrae2017);
         c.SetPressure(84.556f);
       }},
      {"cold range with nodes",
       [](ChartSettings& c) {
         c.SetRanges(-10.0f, 0.0f, 40.0f, 25.0f);
         c.Nodes.AppendPoint(5.0f, 3.0f);
         c.Nodes.AppendPoint(20.0f, 8.0f);
       }},
  };
  const std::vector<std::pair<int, int>> sizes = {
      {300, 200}, {800, 600}, {1600, 1200}, {3840, 2160}};
  for (const auto& [width, height] : sizes) {
    for (const Variant& v : variants) {
      ClearChart chart(width, height);
      v.set(chart.settings);
      chart.settings.ApplyToSurface();
      chart.Draw();
      std::vector<RecordedPrimitive> texts;
      for (const RecordedPrimitive& t : chart.canvas.Texts()) {
        if (t.text_colour != kWhite) texts.push_back(t);
      }
      SCOPED_TRACE(std::string(v.name) + " at " + std::to_string(width));
      ASSERT_GT(texts.size(), 20u);
      for (std::size_t i = 0; i < texts.size(); ++i) {
        const RecordedPrimitive& a = texts[i];
        EXPECT_TRUE(a.x1 >= 0 && a.y1 >= 0 && a.x2 <= width && a.y2 <= height) << a.text;
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
          const RecordedPrimitive& b = texts[j];
          const bool overlap = a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2;
          EXPECT_FALSE(overlap) << "\"" << a.text << "\" and \"" << b.text << "\"";
        }
      }
    }
  }
}

TEST(ChartStyleTest, ClearTextGrowsWithTheChartWithinLimits) {
  struct Case {
    int width;
    int height;
    int textHeight;  // the recording canvas's 13 pixels times the scale, rounded down
  };
  const std::vector<Case> cases = {
      {300, 200, 13}, {800, 600, 13}, {1200, 900, 15}, {1600, 1200, 19}, {3840, 2160, 19}};
  for (const Case& c : cases) {
    ClearChart chart(c.width, c.height);
    chart.Draw();
    const std::vector<RecordedPrimitive> texts = chart.canvas.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().y2 - texts.front().y1, c.textHeight) << c.width;
  }
  // Back to Classic, texts are the font's own size again.
  ClearChart chart(1600, 1200);
  chart.settings.SetChartStyle(ChartStyleName::Classic);
  chart.Draw();
  EXPECT_EQ(chart.canvas.Texts().front().y2 - chart.canvas.Texts().front().y1, 13);
}

// A highlighted family is drawn again darker and heavier; the others fade towards white.
TEST(ChartStyleTest, ClearHighlightStandsOutFromFadedFamilies) {
  ClearChart plain;
  plain.Draw();
  const RecordedPrimitive plainFirst = plain.canvas.Lines().front();
  ClearChart chart;
  chart.settings.SetHighlight(HighlightMode::WetBulb);
  chart.Draw();
  const std::vector<RecordedPrimitive> lines = chart.canvas.Lines();
  // The first line drawn belongs to the dry-bulb family, which fades.
  const auto brightness = [](Colour c) { return RedOf(c) + GreenOf(c) + BlueOf(c); };
  EXPECT_GT(brightness(lines.front().pen_colour), brightness(plainFirst.pen_colour));
  const float widest =
      std::max_element(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return a.smooth_width < b.smooth_width;
      })->smooth_width;
  EXPECT_GE(widest, 2.0f);
}

// On the screen the window paints the marks over the picture: a drawing leaves them out, and so
// do the XOR strokes of a drag. A picture for the outside world carries them.
TEST(ChartStyleTest, ClearMarksStayOutOfTheScreensPicture) {
  const auto markLines = [](const TestChart& c) { return c.canvas.CountLines(kMarkColour); };
  ClearChart screen;
  screen.surface.MarksOverPicture = true;
  screen.Draw();
  EXPECT_EQ(markLines(screen), 0);
  screen.settings.DragTarget = DragTarget::Cursor;
  screen.canvas.ClearRecord();
  MoveGrabbedTo(screen.settings, 30.0f, 12.0f);
  EXPECT_TRUE(screen.canvas.Lines().empty());
  screen.surface.PictureOutput = 1;
  screen.Draw();
  EXPECT_GT(markLines(screen), 0);

  ClearChart headless;
  headless.Draw();
  EXPECT_GT(markLines(headless), 0);
  for (const RecordedPrimitive& p : headless.canvas.Primitives()) {
    EXPECT_NE(p.mix_mode, kMixXor);
  }
}

TEST(LabelBoardTest, TakesOnlyBoxesThatKeepClear) {
  struct Case {
    TextBox box;
    bool fits;
  };
  const float nan = std::nanf("");
  LabelBoard board({0.0f, 0.0f, 100.0f, 50.0f});
  board.Take({10.0f, 10.0f, 30.0f, 20.0f});
  const std::vector<Case> cases = {
      {{40.0f, 10.0f, 60.0f, 20.0f}, true},
      {{31.0f, 10.0f, 35.0f, 20.0f}, false},   // within the gap
      {{20.0f, 15.0f, 25.0f, 18.0f}, false},   // inside
      {{90.0f, 40.0f, 101.0f, 45.0f}, false},  // off the right edge
      {{-1.0f, 30.0f, 5.0f, 35.0f}, false},    // off the left edge
      {{nan, 30.0f, 5.0f, 35.0f}, false},
      {{10.0f, 22.0f + LabelBoard::kGap, 30.0f, 30.0f}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(board.Fits(c.box), c.fits) << c.box.left << " " << c.box.top;
  }
  EXPECT_TRUE(board.TryTake(cases[0].box));
  EXPECT_FALSE(board.TryTake(cases[0].box));
  EXPECT_EQ(board.Taken().size(), 2u);
}

}  // namespace
}  // namespace hygrovia

namespace hygrovia {
namespace {

std::vector<RecordedPrimitive> TextsIn(const TestChart& chart, Colour colour) {
  std::vector<RecordedPrimitive> texts;
  for (const RecordedPrimitive& t : chart.canvas.Texts()) {
    if (t.text_colour == colour) texts.push_back(t);
  }
  return texts;
}

// The enthalpy scale beside the curve and the finer volume lines are numbered in either unit
// system, beside the wet-bulb numbers, no text over another.
TEST(ChartStyleTest, ClearNumbersEnthalpyAndVolumeClearOfOtherTexts) {
  struct Case {
    UnitSystem system;
    PropertyModel model;
    const char* enthalpyTitle;
    std::vector<std::string> volumes;
  };
  const std::vector<Case> cases = {
      {UnitSystem::Si,
       PropertyModel::ChartFormulas,
       "Enthalpy (kJ/kg)",
       {"0.800", "0.850", "0.900"}},
      {UnitSystem::Si, PropertyModel::Ashrae2017, "Enthalpy (kJ/kg)", {"0.800", "0.850", "0.900"}},
      {UnitSystem::Ip, PropertyModel::ChartFormulas, "Enthalpy (Btu/lb)", {"13.0", "14.0"}},
  };
  for (const Case& c : cases) {
    ClearChart chart;
    chart.settings.SetUnitSystem(c.system);
    chart.settings.SetPropertyModel(c.model);
    if (c.system == UnitSystem::Ip) {
      chart.settings.SetRanges(-10.0f / 9.0f, 0.0f, 440.0f / 9.0f, 200.0f / 7.0f);
    }
    chart.Draw();
    SCOPED_TRACE(c.enthalpyTitle);
    const auto enthalpy = TextsIn(chart, ClearLabelColour(LineFamily::Enthalpy));
    EXPECT_GE(enthalpy.size(), 5u);
    const std::vector<std::string> texts = chart.canvas.TextStrings();
    EXPECT_NE(std::find(texts.begin(), texts.end(), c.enthalpyTitle), texts.end());
    for (const std::string& v : c.volumes) {
      EXPECT_NE(std::find(texts.begin(), texts.end(), v), texts.end()) << v;
    }
    // The finer lines between the numbered ones carry no number.
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "0.825"), texts.end());
    EXPECT_FALSE(TextsIn(chart, ClearLabelColour(LineFamily::WetBulb)).empty());
    const std::vector<RecordedPrimitive> all = chart.canvas.Texts();
    for (std::size_t i = 0; i < all.size(); ++i) {
      for (std::size_t j = i + 1; j < all.size(); ++j) {
        const RecordedPrimitive& a = all[i];
        const RecordedPrimitive& b = all[j];
        if (a.text_colour == kWhite || b.text_colour == kWhite) continue;
        EXPECT_FALSE(a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2)
            << a.text << " and " << b.text;
      }
    }
  }
}

// Zoomed in, the scales keep their numbers on the edges in view, the first and last line of
// each numbered.
TEST(ChartStyleTest, ClearScalesStayInViewWhenZoomed) {
  ClearChart chart;
  chart.surface.ZoomAboutCentre(4.0f);
  chart.Draw();
  const Colour grey = ClearLabelColour(LineFamily::DryBulb);
  const float line = chart.surface.TextHeightPixels("W");
  int bottom = 0;
  int right = 0;
  for (const RecordedPrimitive& t : TextsIn(chart, grey)) {
    if (t.text.find('(') != std::string::npos) continue;  // the axes' names
    if (static_cast<float>(t.y2) > static_cast<float>(chart.surface.DeviceHeight) - 3.0f * line)
      ++bottom;
    if (static_cast<float>(t.x2) > static_cast<float>(chart.surface.DeviceWidth) - 3.0f * line &&
        static_cast<float>(t.y2) < static_cast<float>(chart.surface.DeviceHeight) - 3.0f * line)
      ++right;
  }
  EXPECT_GE(bottom, 2);
  EXPECT_GE(right, 2);
}

}  // namespace
}  // namespace hygrovia
