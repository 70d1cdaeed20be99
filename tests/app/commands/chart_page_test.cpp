#include "app/commands/chart_page.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawing/chart_drawing.h"
#include "model/chart_settings.h"
#include "support/recording_canvas.h"
#include "support/test_chart.h"
#include "surface/colour.h"
#include "surface/print_ink.h"

namespace hygrovia {
namespace {

using testing::PrimitiveKind;
using testing::RecordedPrimitive;
using testing::RecordingCanvas;
using testing::TestChart;

// Printable areas at 96 pixels an inch inside 15 mm margins.
constexpr PageBox kA4Portrait{0, 0, 680, 1009};
constexpr PageBox kA4Landscape{0, 0, 1009, 680};
constexpr PageBox kLetterPortrait{0, 0, 702, 942};
constexpr PageBox kLetterLandscape{0, 0, 942, 702};

// The box a primitive covers (right and bottom exclusive).
PageBox BoxOf(const RecordedPrimitive& p) {
  if (p.kind == PrimitiveKind::kLine) {
    const int left = std::min(p.x1, p.x2);
    const int top = std::min(p.y1, p.y2);
    return {left, top, std::max(p.x1, p.x2) + 1 - left, std::max(p.y1, p.y2) + 1 - top};
  }
  return {p.x1, p.y1, p.x2 - p.x1, p.y2 - p.y1};
}

bool Overlap(const PageBox& a, const PageBox& b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(ChartPageTest, LayoutKeepsEveryPartInsideThePrintableAreaAndApart) {
  struct Case {
    const char* name;
    PageBox printable;
    int tableWidth;
    int tableHeight;
    bool tableBeside;  // beside the chart (wide pages) or under it
  };
  const std::vector<Case> cases = {
      {"A4 portrait", kA4Portrait, 420, 325, false},
      {"A4 landscape", kA4Landscape, 420, 325, true},
      {"Letter portrait", kLetterPortrait, 420, 325, false},
      {"Letter landscape", kLetterLandscape, 420, 325, true},
      {"no table", kA4Portrait, 0, 0, false},
      {"table wider than the page", {20, 30, 500, 400}, 2000, 100, true},
      {"table taller than the page", {0, 0, 400, 500}, 100, 3000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int titleHeight = 52;
    const int gap = 13;
    const ChartPageLayout layout =
        LayOutChartPage(c.printable, titleHeight, c.tableWidth, c.tableHeight, gap);
    const PageBox& p = c.printable;
    EXPECT_EQ(layout.title, (PageBox{p.left, p.top, p.width, titleHeight}));
    for (const PageBox& part : {layout.title, layout.table, layout.chart}) {
      EXPECT_TRUE(p.Contains(part));
    }
    EXPECT_FALSE(Overlap(layout.title, layout.chart) || Overlap(layout.table, layout.chart) ||
                 Overlap(layout.title, layout.table));
    // The chart keeps at least half of the page each way.
    EXPECT_GE(layout.chart.width, p.width / 2);
    EXPECT_GE(layout.chart.height, (p.height - titleHeight - gap) / 2);
    if (c.tableWidth == 0) {
      EXPECT_EQ(layout.chart.width, p.width);
      EXPECT_EQ(layout.chart.Bottom(), p.Bottom());
      continue;
    }
    EXPECT_TRUE(layout.table.width > 0 && layout.table.height > 0);
    if (c.tableBeside) {
      EXPECT_EQ(layout.table.Right(), p.Right());
      EXPECT_EQ(layout.chart.Right() + gap, layout.table.left);
      EXPECT_EQ(layout.chart.Bottom(), p.Bottom());
    } else {
      EXPECT_EQ(layout.chart.width, p.width);
      EXPECT_EQ(layout.chart.Bottom() + gap, layout.table.top);
    }
  }
}

TEST(ChartPageTest, PageHoldsTitleBlockTableAndWholeChartInsideThePrintableArea) {
  struct Case {
    const char* name;
    PageBox printable;
    int nodes;
    int highlight;
    float screenZoom;  // the window's view, which the page does not take over
    ChartPageTitle title;
    const char* firstLine;
  };
  const std::vector<Case> cases = {
      {"A4 portrait", kA4Portrait, 0, 0, 1.0f, {"", "2024-05-01"}, "Untitled"},
      {"A4 landscape, nodes", kA4Landscape, 24, 0, 1.0f, {"office.hgv", ""}, "office.hgv"},
      {"Letter portrait, nodes", kLetterPortrait, 24, 0, 1.0f, {"b.hgv", ""}, "b.hgv"},
      {"Letter landscape, overlay", kLetterLandscape, 3, 11, 1.0f, {"", ""}, "Untitled"},
      {"zoomed window", {36, 48, 680, 1009}, 5, 4, 4.0f, {"", ""}, "Untitled"},
      {"small page", {0, 0, 300, 220}, 0, 8, 1.0f, {"", ""}, "Untitled"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestChart chart;
    for (int i = 0; i < c.nodes; ++i) {
      chart.settings.Nodes.AppendPoint(10.0f + static_cast<float>(i),
                                       4.0f + 0.5f * static_cast<float>(i));
    }
    chart.settings.SetHighlight(c.highlight);
    chart.surface.ZoomAboutCentre(c.screenZoom);
    const DrawingSurface before = chart.surface;
    RecordingCanvas page;

    const ChartPageLayout layout = DrawChartPage(chart.settings, page, c.printable, c.title);

    for (const RecordedPrimitive& p : page.Primitives()) {
      ASSERT_TRUE(c.printable.Contains(BoxOf(p))) << p.text << " at " << p.x1 << ", " << p.y1;
    }
    // The chart's own drawing (its blue line families) lies in the chart's box.
    int chartLines = 0;
    for (const RecordedPrimitive& line : page.Lines()) {
      if (line.pen_colour != kBlue) continue;
      ++chartLines;
      EXPECT_TRUE(layout.chart.Contains(BoxOf(line)));
    }
    EXPECT_GT(chartLines, 50);
    EXPECT_TRUE(chart.canvas.Primitives().empty());
    // No label of the chart was cut off: the page shows as many as a picture of the chart.
    const auto inChart = [&layout](const RecordedPrimitive& t) {
      return layout.chart.Contains(BoxOf(t));
    };
    const std::vector<RecordedPrimitive> pageTexts = page.Texts();
    const auto pageLabels = std::count_if(pageTexts.begin(), pageTexts.end(), inChart);
    chart.surface.PictureOutput = 1;
    DrawChart(chart.settings, chart.status);
    chart.surface.PictureOutput = 0;
    const auto pictureLabels = static_cast<std::ptrdiff_t>(chart.canvas.Texts().size());
    chart.canvas.ClearRecord();
    EXPECT_EQ(pageLabels, pictureLabels);
    const std::vector<std::string> texts = page.TextStrings();
    EXPECT_EQ(texts.front(), c.firstLine);
    EXPECT_TRUE(Has(texts, "Barometric pressure: 101.365 kPa"));
    // The ranges, on a narrow page as much of them as fits.
    const std::string ranges =
        "Dry bulb: 0.0 to 50.0 \xC2\xB0"
        "C    Moisture content: 0.0 to 35.0 g/kg";
    EXPECT_EQ(Has(texts, ranges), c.printable.width >= 400);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const std::string& t) {
      return t.size() > 20 && ranges.rfind(t, 0) == 0;
    }));
    EXPECT_EQ(Has(texts, "Date: 2024-05-01"), !c.title.date.empty());
    // The table: a header and a numbered row per node.
    EXPECT_EQ(Has(texts, "Moisture"), c.nodes > 0);
    if (c.nodes > 0) {
      EXPECT_TRUE(Has(texts, std::to_string(c.nodes)));
      EXPECT_TRUE(Has(texts, "10.0"));    // the first node's dry bulb
      EXPECT_TRUE(Has(texts, "Volume"));  // the last column, on landscape pages too
    }
    // The window's view and attachment are as they were, and its canvas was not drawn on.
    EXPECT_TRUE(chart.surface.Canvas == before.Canvas && chart.surface.Control == before.Control);
    EXPECT_EQ(chart.surface.ScaleX, before.ScaleX);
    EXPECT_EQ(chart.surface.OffsetY, before.OffsetY);
  }
}

}  // namespace
}  // namespace hygrovia

namespace hygrovia {
namespace {

// On paper the marks, the highlight, the overlays and the links of the process nodes keep a
// readable contrast with white in either style, and nothing is XORed.
constexpr Colour kClearMark = Rgb(213, 94, 0);

TEST(ChartPageTest, PageInksReadOnWhitePaper) {
  // Classic with a family highlighted and with an overlay; Clear with its marks alone, as its
  // highlight fades the other families.
  const std::pair<ChartStyleName, int> cases[] = {
      {ChartStyleName::Classic, 4}, {ChartStyleName::Classic, 10}, {ChartStyleName::Clear, 0}};
  for (const auto& [style, highlight] : cases) {
    TestChart chart;
    chart.settings.SetChartStyle(style);
    RecordingCanvas plain;
    DrawChartPage(chart.settings, plain, kA4Landscape, {});
    // The families' own colours (Clear's light grid among them) are not marks.
    std::set<Colour> families;
    for (const RecordedPrimitive& line : plain.Lines()) families.insert(line.pen_colour);
    chart.settings.Nodes.AppendPoint(15.0f, 5.0f);
    chart.settings.Nodes.AppendPoint(25.0f, 10.0f);
    chart.settings.SetHighlight(highlight);
    RecordingCanvas page;
    DrawChartPage(chart.settings, page, kA4Landscape, {});
    int marks = 0;
    for (const RecordedPrimitive& line : page.Lines()) {
      EXPECT_EQ(line.mix_mode, kMixCopy);
      if (families.count(line.pen_colour) != 0 || line.pen_colour == kWhite) continue;
      ++marks;
      EXPECT_GE(ContrastWithWhite(line.pen_colour), kPrintContrast) << line.pen_colour;
    }
    if (style == ChartStyleName::Classic) {
      EXPECT_GT(marks, 3);
    } else {
      // Clear's cursor, on the plain page too, is drawn in the mark colour made dark.
      EXPECT_GT(families.count(PrintInk(kClearMark)), 0u);
      EXPECT_EQ(families.count(kClearMark), 0u);
    }
  }
}

}  // namespace
}  // namespace hygrovia
