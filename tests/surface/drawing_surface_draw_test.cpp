#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/recording_canvas.h"
#include "support/recording_control.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

using testing::PrimitiveKind;
using testing::RecordedPrimitive;
using testing::RecordingCanvas;
using testing::RecordingControl;

struct Segment {
  int x1, y1, x2, y2;
  bool operator==(const Segment&) const = default;
};

std::vector<Segment> SegmentsOf(const RecordingCanvas& canvas) {
  std::vector<Segment> segments;
  for (const RecordedPrimitive& p : canvas.Lines()) {
    segments.push_back({p.x1, p.y1, p.x2, p.y2});
  }
  return segments;
}

// World and device coincide except for the flip: one pixel per unit, device height 100.
DrawingSurface PixelSurface(RecordingCanvas& canvas) {
  DrawingSurface surface;
  surface.Attach(&canvas, nullptr);
  surface.DeviceHeight = 100;
  surface.MarkerUnit = 1.0f;
  return surface;
}

TEST(DrawingSurfaceDraw, LinesAndCrossesTruncateTowardZero) {
  RecordingCanvas canvas;
  DrawingSurface surface = PixelSurface(canvas);
  surface.DrawLine(10.9f, 20.2f, -3.7f, 140.5f);  // device y 79.8 and -40.5
  surface.DrawCross(20.5f, 70.0f, 3);             // device (20.5, 30)
  const std::vector<Segment> expected = {{10, 79, -3, -40}, {17, 30, 24, 30}, {20, 27, 20, 34}};
  EXPECT_EQ(SegmentsOf(canvas), expected);
}

TEST(DrawingSurfaceDraw, CrossEndsAreTruncatedAfterTheHalfSizeIsApplied) {
  struct Case {
    float x, y;  // world point; device (x, 100 - y)
    std::vector<Segment> lines;
  };
  // Each end is the device point moved by the half size, then truncated toward zero: near
  // the top left corner the far side of zero truncates up, not down.
  const Case cases[] = {
      {2.5f, 97.5f, {{-5, 2, 11, 2}, {2, -5, 2, 11}}},        // device (2.5, 2.5)
      {-2.5f, 102.5f, {{-10, -2, 6, -2}, {-2, -10, -2, 6}}},  // device (-2.5, -2.5)
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    DrawingSurface surface = PixelSurface(canvas);
    surface.DrawCross(c.x, c.y, 8);
    EXPECT_EQ(SegmentsOf(canvas), c.lines) << c.x << "," << c.y;
  }
}

TEST(DrawingSurfaceDraw, ArrowheadsPointAlongTheLine) {
  struct Case {
    float x1, y1, x2, y2, size, marker_unit;
    std::vector<Segment> lines;
  };
  // Barbs are 4 d back and d to the side, d = size * marker unit; the y2 - d barb first.
  const Case cases[] = {
      {10, 50, 50, 50, 1, 1, {{10, 50, 50, 50}, {50, 50, 46, 51}, {50, 50, 46, 49}}},  // right
      {50, 10, 50, 50, 1, 1, {{50, 90, 50, 50}, {50, 50, 51, 54}, {50, 50, 49, 54}}},  // up
      {50, 50, 10, 50, 1, 1, {{50, 50, 10, 50}, {10, 50, 14, 49}, {10, 50, 14, 51}}},  // left
      {50, 50, 50, 50, 1, 1, {{50, 50, 50, 50}, {50, 50, 46, 51}, {50, 50, 46, 49}}},  // a point
      {0, 50, 80, 50, 4, 0.5f, {{0, 50, 80, 50}, {80, 50, 72, 52}, {80, 50, 72, 48}}},
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    DrawingSurface surface = PixelSurface(canvas);
    surface.MarkerUnit = c.marker_unit;
    surface.DrawArrow(c.x1, c.y1, c.x2, c.y2, c.size);
    EXPECT_EQ(SegmentsOf(canvas), c.lines)
        << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2 << " size " << c.size;
  }
}

TEST(DrawingSurfaceDraw, SquaresOutlineAndInvertTheInside) {
  for (const int invert : {0, 1}) {
    RecordingCanvas canvas;
    DrawingSurface surface = PixelSurface(canvas);
    surface.DrawSquare(20.0f, 70.0f, invert, 3);  // device (20, 30)
    const std::vector<Segment> outline = {
        {17, 27, 23, 27}, {23, 27, 23, 33}, {23, 33, 17, 33}, {17, 33, 17, 27}};
    EXPECT_EQ(SegmentsOf(canvas), outline) << invert;
    const auto inverted = canvas.OfKind(PrimitiveKind::kInvertRect);
    ASSERT_EQ(inverted.size(), static_cast<std::size_t>(invert));
    if (invert == 1) {
      EXPECT_EQ((Segment{inverted[0].x1, inverted[0].y1, inverted[0].x2, inverted[0].y2}),
                (Segment{18, 28, 23, 33}));
      EXPECT_EQ(canvas.Primitives().front().kind, PrimitiveKind::kInvertRect);
    }
  }
}

TEST(DrawingSurfaceDraw, TextIsPlacedByItsAlignmentCodes) {
  struct Case {
    const char* text;
    int h, v;
    int x, y;
  };
  // "AB" measures 12 x 13; the point is device (100, 50).
  const Case cases[] = {
      {"AB", 0, 0, 100, 53},  // starts at the point, top a quarter height below
      {"AB", 2, 6, 88, 43},   // ends at the point, centred up and down
      {"AB", 6, 8, 94, 37},   // centred across, above the point
      {"AB", 6, 0, 94, 53},
      {"AB", 5, 7, 100, 50},  // codes without a meaning leave the point
      {"25.0\xC2\xB0"
       "C",
       2, 8, 64, 37},  // the degree sign is two bytes but one letter
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    DrawingSurface surface = PixelSurface(canvas);
    surface.DrawText(100.0f, 50.0f, c.text, c.h, c.v);
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].x1, c.x) << c.text << " " << c.h << "/" << c.v;
    EXPECT_EQ(texts[0].y1, c.y) << c.text << " " << c.h << "/" << c.v;
    EXPECT_EQ(texts[0].text, c.text);
  }
}

TEST(DrawingSurfaceDraw, LabelsHaveAShadowOnScreenOnly) {
  for (const int picture : {0, 1}) {
    for (const int shadow : {0, 1}) {
      RecordingCanvas canvas;
      DrawingSurface surface = PixelSurface(canvas);
      surface.PictureOutput = picture;
      surface.SetTextColor(kBlue);
      surface.DrawLabel(10.2f, 50.0f, "Row", shadow);  // top-left at (10, 43.5)
      const auto texts = canvas.Texts();
      const bool shadowed = shadow == 1 && picture == 0;
      ASSERT_EQ(texts.size(), shadowed ? 2u : 1u) << picture << shadow;
      if (shadowed) {
        EXPECT_EQ(texts[0].x1, 11);
        EXPECT_EQ(texts[0].y1, 44);
        EXPECT_EQ(texts[0].text_colour, kWhite);
        EXPECT_TRUE(texts[0].opaque);
        EXPECT_EQ(texts[1].text_colour, kBlack);
        EXPECT_FALSE(texts[1].opaque);
      } else {
        EXPECT_EQ(texts[0].text_colour, kBlue);
        EXPECT_TRUE(texts[0].opaque);
      }
      EXPECT_EQ(texts.back().x1, 10);
      EXPECT_EQ(texts.back().y1, 43);
      EXPECT_EQ(canvas.TextColor(), kBlue) << "the font colour comes back";
      EXPECT_FALSE(canvas.OpaqueText()) << "the background mode comes back";
    }
  }
}

TEST(DrawingSurfaceDraw, GridStartsAtAStepOrAtAPositiveMinimum) {
  struct Case {
    float min_x, max_x, step;
    std::vector<int> xs;  // device x of the vertical lines
  };
  const Case cases[] = {
      {-7.0f, 20.0f, 5.0f, {-5, 0, 5, 10, 15, 20}},
      {3.0f, 20.0f, 5.0f, {3, 8, 13, 18}},
      {-10.0f, -1.0f, 5.0f, {-10, -5}},
      {0.0f, 4.0f, 5.0f, {0}},
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    DrawingSurface surface = PixelSurface(canvas);
    surface.MinX = c.min_x;
    surface.MaxX = c.max_x;
    surface.MinY = 0.0f;
    surface.MaxY = 10.0f;
    // With the offset at the minimum, device x equals world x.
    surface.OffsetX = c.min_x;
    surface.SetGridStep(c.step, 20.0f);
    surface.DrawGrid();
    std::vector<int> xs;
    for (const RecordedPrimitive& line : canvas.Lines()) {
      EXPECT_EQ(line.pen_colour, kWhite);
      EXPECT_EQ(line.pen_style, kPenDotted);
      EXPECT_EQ(line.pen_width, 1);
      if (line.x1 == line.x2 && line.y1 == 100 && line.y2 == 90) {
        xs.push_back(line.x1);
      }
    }
    EXPECT_EQ(xs, c.xs) << "min " << c.min_x;
    // One horizontal line at y = 0: the next step lies above MaxY.
    EXPECT_EQ(canvas.Lines().size(), c.xs.size() + 1) << "min " << c.min_x;
  }
}

// Regression: the grid loops ran as long as the ranges and steps said, so a step of 0 or a
// range of 1e30 hung the program.
TEST(DrawingSurfaceDraw, GridFinishesWhateverTheRangesAndSteps) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    float min, max, step;
    std::size_t lines_per_axis;
  };
  const Case cases[] = {
      {0.0f, 1e30f, 5.0f, DrawingSurface::kMaxGridLines},
      {1e30f, 2e30f, 5.0f, DrawingSurface::kMaxGridLines},  // adding the step changes nothing
      {-inf, inf, 1.0f, 0},                                 // the first line would lie at -inf
      {0.0f, inf, 1.0f, DrawingSurface::kMaxGridLines},
      {0.0f, 10.0f, 0.0f, 0},
      {0.0f, 10.0f, -5.0f, 0},
      {0.0f, 10.0f, nan, 0},
      {0.0f, 10.0f, inf, 1},
      {0.0f, 10.0f, 1e-30f, DrawingSurface::kMaxGridLines},
      {-7.0f, 20.0f, 5.0f, 6},
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    DrawingSurface surface = PixelSurface(canvas);
    surface.MinX = surface.MinY = c.min;
    surface.MaxX = surface.MaxY = c.max;
    surface.SetGridStep(c.step, c.step);
    surface.DrawGrid();
    EXPECT_EQ(canvas.Lines().size(), 2 * c.lines_per_axis)
        << c.min << ".." << c.max << " step " << c.step;
  }
}

TEST(DrawingSurfaceDraw, HugeCoordinatesReachTheCanvasSaturated) {
  RecordingCanvas canvas;
  DrawingSurface surface = PixelSurface(canvas);
  surface.ScaleX = 1e30f;
  surface.ScaleY = 1e30f;
  surface.DrawLine(-1.0f, -1.0f, 1.0f, 1.0f);
  surface.DrawCross(1.0f, 0.0f, 8);
  surface.OffsetX = std::numeric_limits<float>::quiet_NaN();
  surface.DrawLine(1.0f, 0.0f, 1.0f, 0.0f);
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const std::vector<Segment> expected = {
      {kMin, kMax, kMax, kMin}, {kMax, 100, kMax, 100}, {kMax, 92, kMax, 109}, {0, 100, 0, 100}};
  EXPECT_EQ(SegmentsOf(canvas), expected);
}

TEST(DrawingSurfaceDraw, ClearFillsTheControlOnScreenOnly) {
  RecordingCanvas canvas;
  RecordingControl control(320, 240);
  DrawingSurface surface;
  surface.Attach(&canvas, nullptr);
  surface.Clear(kButtonFace);
  EXPECT_TRUE(canvas.Primitives().empty()) << "no control";
  surface.Attach(&canvas, &control);
  surface.PictureOutput = 1;
  surface.Clear(kButtonFace);
  EXPECT_TRUE(canvas.Primitives().empty()) << "a picture";
  surface.PictureOutput = 0;
  surface.Clear(kButtonFace);
  const auto fills = canvas.OfKind(PrimitiveKind::kFillRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ((Segment{fills[0].x1, fills[0].y1, fills[0].x2, fills[0].y2}),
            (Segment{0, 0, 320, 240}));
  EXPECT_EQ(fills[0].brush_colour, kButtonFace);
}

TEST(DrawingSurfaceDraw, NothingHappensWithoutACanvas) {
  DrawingSurface surface;
  surface.SetPen(kBlue, kPenSolid, 1);
  surface.DrawLine(0, 0, 1, 1);
  surface.DrawArrow(0, 0, 1, 1, 1.0f);
  surface.DrawCross(0, 0, 3);
  surface.DrawSquare(0, 0, 1, 3);
  surface.DrawText(0, 0, "W", 0, 0);
  surface.DrawLabel(0, 0, "W", 1);
  surface.DrawGrid();
  surface.Fit(0.95f, 100, 100);
  EXPECT_EQ(surface.TextHeightPixels("W"), 0.0f);
  EXPECT_EQ(surface.OffsetX, 2.0f);  // (100 - 95) / 2: no canvas, no letter margins
}

}  // namespace
}  // namespace hygrovia
