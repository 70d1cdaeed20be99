#include "app/output/qt_canvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QSvgGenerator>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

// An image of noise, so that any pixel a mark leaves behind shows.
QImage NoiseImage(qreal ratio) {
  const int w = static_cast<int>(kWidth * ratio);
  const int h = static_cast<int>(kHeight * ratio);
  QImage image(w, h, QImage::Format_RGB32);
  std::uint32_t state = 12345u;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      state = state * 1664525u + 1013904223u;
      image.setPixel(x, y, 0xFF000000u | (state >> 8));
    }
  }
  image.setDevicePixelRatio(ratio);
  return image;
}

QImage Plain(QColor colour, qreal ratio = 1.0) {
  QImage image(static_cast<int>(kWidth * ratio), static_cast<int>(kHeight * ratio),
               QImage::Format_RGB32);
  image.fill(colour);
  image.setDevicePixelRatio(ratio);
  return image;
}

int ChangedPixels(const QImage& a, const QImage& b) {
  int changed = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      changed += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
  }
  return changed;
}

// 0..50 by 0..35 fitted to the image's logical size, as the chart sets it up.
DrawingSurface FittedSurface(QtCanvas& canvas) {
  DrawingSurface surface;
  surface.Attach(&canvas, nullptr);
  surface.SetXRange(0.0f, 50.0f);
  surface.SetYRange(0.0f, 35.0f);
  surface.SetMargins(0.5f, 1.1f, 0.5f, 1.1f);
  surface.Fit(0.95f, kWidth, kHeight);
  return surface;
}

// Cursor-like marks: lines, a cross, an arrow, squares inverted and not, dotted lines.
void DrawMarks(DrawingSurface& surface) {
  surface.SetPen(kCyan, kPenSolid, 1);
  surface.SetMixMode(kMixXor);
  surface.DrawLine(3.0f, 4.0f, 47.0f, 30.0f);
  surface.DrawLine(10.0f, 2.0f, 10.0f, 33.0f);
  surface.DrawCross(20.0f, 15.0f, 8);
  surface.DrawSquare(20.0f, 15.0f, 1, 3);
  surface.DrawSquare(35.0f, 25.0f, 0, 3);
  surface.DrawArrow(20.0f, 15.0f, 40.0f, 8.0f, 1.0f);
  surface.DrawArrow(5.0f, 30.0f, 5.0f, 20.0f, 2.0f);
  surface.SetPen(kYellow, kPenDotted, 1);
  surface.DrawLine(0.0f, 20.0f, 50.0f, 21.0f);
  surface.SetMixMode(kMixCopy);
}

TEST(QtCanvas, XorMarksDrawnTwiceLeaveTheImageUnchanged) {
  for (const qreal ratio : {1.0, 2.0, 1.5}) {
    const QImage original = NoiseImage(ratio);
    QImage image = original;
    QtCanvas canvas(&image);
    ASSERT_TRUE(canvas.HasRasterOps());
    DrawingSurface surface = FittedSurface(canvas);
    DrawMarks(surface);
    canvas.SetDevice(nullptr);
    EXPECT_GT(ChangedPixels(original, image), 200) << "ratio " << ratio;
    canvas.SetDevice(&image);
    DrawMarks(surface);
    canvas.SetDevice(nullptr);
    EXPECT_EQ(image, original) << "ratio " << ratio;
  }
}

TEST(QtCanvas, SquareInvertedInsideOnlyByInvertZeroThenOne) {
  for (const qreal ratio : {1.0, 2.0}) {
    const QImage original = NoiseImage(ratio);
    QImage image = original;
    QtCanvas canvas(&image);
    DrawingSurface surface = FittedSurface(canvas);
    surface.SetPen(kCyan, kPenSolid, 1);
    surface.SetMixMode(kMixXor);
    surface.DrawSquare(25.0f, 17.0f, 0, 3);
    surface.DrawSquare(25.0f, 17.0f, 1, 3);
    canvas.SetDevice(nullptr);
    // The outline cancels itself; the 5 x 5 inside is inverted.
    const int block = static_cast<int>(ratio * ratio);
    EXPECT_EQ(ChangedPixels(original, image), 25 * block) << "ratio " << ratio;
    const PointF centre = surface.WorldToDevice(25.0f, 17.0f);
    const int cx = static_cast<int>(static_cast<int>(centre.x) * ratio);
    const int cy = static_cast<int>(static_cast<int>(centre.y) * ratio);
    EXPECT_EQ(image.pixel(cx, cy) & 0xFFFFFFu, ~original.pixel(cx, cy) & 0xFFFFFFu);
  }
}

// The lit pixels of an image drawn on black, one string per row.
std::vector<std::string> Lit(const QImage& image) {
  std::vector<std::string> rows;
  for (int y = 0; y < image.height(); ++y) {
    std::string row;
    for (int x = 0; x < image.width(); ++x) {
      row += qGray(image.pixel(x, y)) != 0 ? '#' : '.';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(QtCanvas, LinesCoverThePixelsTheWindowsDeviceWould) {
  struct Case {
    std::vector<QPoint> path;  // move to the first point, lines to the others
    bool dotted;
    std::vector<std::string> lit;
  };
  const Case cases[] = {
      {{{1, 1}, {6, 1}}, false, {"........", ".#####..", "........", "........"}},
      {{{6, 1}, {1, 1}}, false, {"........", "..#####.", "........", "........"}},
      {{{1, 3}, {1, 0}}, false, {"........", ".#......", ".#......", ".#......"}},
      {{{0, 0}, {6, 3}}, false, {"#.......", ".##.....", "...##...", ".....#.."}},
      {{{0, 2}, {8, 2}}, true, {"........", "........", "#..#..#.", "........"}},
      {{{-99, -99}, {99, 99}}, false, {"#.......", ".#......", "..#.....", "...#...."}},
      {{{3, 3}, {3, 3}}, false, {"........", "........", "........", "........"}},
      // In XOR a corner drawn by both of its lines would vanish.
      {{{1, 0}, {4, 0}, {4, 3}, {1, 3}, {1, 0}},
       false,
       {".####...", ".#..#...", ".#..#...", ".####..."}},
  };
  for (const Case& c : cases) {
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    QtCanvas canvas(&image);
    canvas.SetPen(kWhite, c.dotted ? kPenDotted : kPenSolid, 1);
    canvas.SetMixMode(kMixXor);
    canvas.MoveTo(c.path.front().x(), c.path.front().y());
    for (std::size_t i = 1; i < c.path.size(); ++i) {
      canvas.LineTo(c.path[i].x(), c.path[i].y());
    }
    canvas.SetDevice(nullptr);
    EXPECT_EQ(Lit(image), c.lit) << "from " << c.path.front().x() << "," << c.path.front().y();
  }
}

TEST(QtCanvas, ScaledImagesCoverWholeLogicalPixels) {
  QImage plain = Plain(Qt::black);
  QImage scaled = Plain(Qt::black, 2.0);
  for (QImage* image : {&plain, &scaled}) {
    QtCanvas canvas(image);
    DrawingSurface surface = FittedSurface(canvas);
    DrawMarks(surface);
    surface.SetPen(kBlue, kPenSolid, 1);
    surface.DrawGrid();
    canvas.InvertRect(100, 10, 120, 30);
  }
  const QImage expected =
      plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  scaled.setDevicePixelRatio(1.0);
  EXPECT_EQ(ChangedPixels(scaled, expected), 0);
  EXPECT_GT(ChangedPixels(plain, Plain(Qt::black)), 500);
}

TEST(QtCanvas, MeasuresTextInTheCurrentFont) {
  QImage image = Plain(Qt::white);
  QtCanvas canvas(&image);
  canvas.SetFont(QStringLiteral("Arial"), 8);
  const int w = canvas.TextWidth("W");
  const int h = canvas.TextHeight("W");
  EXPECT_GE(w, 5);
  EXPECT_LE(w, 20);
  EXPECT_GE(h, 8);
  EXPECT_LE(h, 30);
  EXPECT_NEAR(canvas.TextWidth("WWWW"), 4 * w, 4);
  EXPECT_GT(canvas.TextWidth("25.0\xC2\xB0"
                             "C"),
            canvas.TextWidth("25.0C"));
  canvas.SetFont(QStringLiteral("Arial"), 16);
  EXPECT_GT(canvas.TextHeight("W"), h);
  // Without a device the font is measured for the screen.
  canvas.SetDevice(nullptr);
  EXPECT_GT(canvas.TextWidth("W"), 0);
}

TEST(QtCanvas, OpaqueTextHasAWhiteBoxAndTextIgnoresXor) {
  QImage image = Plain(Qt::black);
  QtCanvas canvas(&image);
  canvas.SetFont(QStringLiteral("Arial"), 8);
  const int w = canvas.TextWidth("Label");
  const int h = canvas.TextHeight("Label");
  canvas.SetTextColor(kBlack);
  canvas.SetOpaqueText(true);
  canvas.SetMixMode(kMixXor);
  canvas.TextOut(20, 30, "Label");
  canvas.TextOut(20, 30, "Label");
  canvas.SetDevice(nullptr);
  int white = 0;
  int dark = 0;
  for (int y = 30; y < 30 + h; ++y) {
    for (int x = 20; x < 20 + w; ++x) {
      const int grey = qGray(image.pixel(x, y));
      white += grey > 200 ? 1 : 0;
      dark += grey < 100 ? 1 : 0;
    }
  }
  EXPECT_GT(white, w * h / 2) << "the box is white";
  EXPECT_GT(dark, 5) << "the text is still there after drawing it twice";
  EXPECT_EQ(qGray(image.pixel(19, 30)), 0) << "nothing left of the box";
  EXPECT_EQ(qGray(image.pixel(20, 30 + h)), 0) << "nothing below the box";
}

TEST(QtCanvas, FillsWithPlainAndSystemColours) {
  QImage image = Plain(Qt::black);
  QtCanvas canvas(&image);
  canvas.SetBrush(kButtonFace, kBrushSolid);
  canvas.FillRect(0, 0, 10, 10);
  canvas.SetBrush(Rgb(12, 34, 56), kBrushSolid);
  canvas.FillRect(10, 0, 20, 10);
  canvas.SetMixMode(kMixXor);  // filling ignores the mix mode
  canvas.FillRect(20, 0, 30, 10);
  canvas.SetDevice(nullptr);
  EXPECT_EQ(QColor(image.pixel(9, 9)), QGuiApplication::palette().color(QPalette::Button));
  EXPECT_EQ(QColor(image.pixel(10, 0)), QColor(12, 34, 56));
  EXPECT_EQ(QColor(image.pixel(29, 9)), QColor(12, 34, 56));
  EXPECT_EQ(QColor(image.pixel(30, 0)), QColor(Qt::black)) << "right edge exclusive";
  EXPECT_EQ(QColor(image.pixel(0, 10)), QColor(Qt::black)) << "bottom edge exclusive";
}

// Regression: at extreme zoom the surface hands over coordinates at the ends of the int
// range, which overflowed in the rasterizer's fixed-point arithmetic.
TEST(QtCanvas, SaturatedCoordinatesDrawTheVisiblePart) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  for (const qreal ratio : {1.0, 2.0}) {
    const QImage original = Plain(Qt::black, ratio);
    QImage image = original;
    QtCanvas canvas(&image);
    canvas.SetPen(kWhite, kPenSolid, 1);
    canvas.MoveTo(kMin, 60);
    canvas.LineTo(kMax, 60);  // across the whole image
    canvas.MoveTo(kMin, kMin);
    canvas.LineTo(kMax, kMax);
    canvas.MoveTo(kMax, kMin);
    canvas.LineTo(kMax, kMax);  // far right: nothing visible
    canvas.TextOut(kMax, kMin, "far away");
    canvas.InvertRect(kMin, 100, kMax, 105);
    canvas.FillRect(kMax - 10, 0, kMax, kMax);
    canvas.SetDevice(nullptr);
    EXPECT_NE(image.pixel(0, static_cast<int>(60 * ratio)), original.pixel(0, 0));
    EXPECT_NE(image.pixel(image.width() - 1, static_cast<int>(60 * ratio)), original.pixel(0, 0));
    EXPECT_NE(image.pixel(0, static_cast<int>(102 * ratio)), original.pixel(0, 0))
        << "inverted rows";
  }
}

TEST(QtCanvas, PicturesDrawXorMarksPlainly) {
  QBuffer buffer;
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(kWidth, kHeight));
  svg.setViewBox(QRect(0, 0, kWidth, kHeight));
  {
    QtCanvas canvas(&svg);
    EXPECT_FALSE(canvas.HasRasterOps());
    DrawingSurface surface = FittedSurface(canvas);
    surface.PictureOutput = 1;
    DrawMarks(surface);
    surface.DrawLabel(5.0f, 30.0f,
                      "Dry Bulb 25.0\xC2\xB0"
                      "C",
                      1);
  }
  const QByteArray data = buffer.data();
  EXPECT_TRUE(data.contains("<svg"));
  EXPECT_TRUE(data.contains("#00ffff")) << "cyan marks";
  EXPECT_TRUE(data.contains("#ffff00")) << "the yellow dotted line";
  EXPECT_TRUE(
      data.contains("Dry Bulb 25.0\xC2\xB0"
                    "C"));
}

}  // namespace
}  // namespace hygrovia

namespace hygrovia {
namespace {

// Smooth lines on a screen of either density: along a row or column a crisp band of whole
// pixels (one logical pixel is two device pixels at 200 %), slanted ones anti-aliased; nothing
// for lines that are not finite.
TEST(QtCanvasSmoothTest, LinesAreCrispAlongTheAxesAndSmoothElsewhere) {
  struct Case {
    qreal ratio;
    float width;
    int bandPixels;  // device pixels across a vertical line
  };
  const std::vector<Case> cases = {{1.0, 1.0f, 1}, {1.0, 2.0f, 2}, {2.0, 1.0f, 2}, {2.0, 2.0f, 4}};
  for (const Case& c : cases) {
    QImage image = Plain(Qt::white, c.ratio);
    {
      QtCanvas canvas(&image);
      canvas.SetPen(kBlack, kPenSolid, 1);
      canvas.SmoothLine(40.3f, 10.0f, 40.3f, 100.0f, c.width);
      canvas.SmoothLine(60.0f, 10.0f, 150.0f, 70.0f, c.width);
      const float nan = std::numeric_limits<float>::quiet_NaN();
      canvas.SmoothLine(nan, 0.0f, 10.0f, 10.0f, c.width);
      canvas.SmoothLine(0.0f, 0.0f, std::numeric_limits<float>::infinity(), 10.0f, c.width);
    }
    SCOPED_TRACE(::testing::Message() << c.ratio << " " << c.width);
    const int row = static_cast<int>(50 * c.ratio);
    int black = 0;
    int grey = 0;
    for (int x = static_cast<int>(30 * c.ratio); x < static_cast<int>(50 * c.ratio); ++x) {
      const int v = qGray(image.pixel(x, row));
      black += v == 0 ? 1 : 0;
      grey += v != 0 && v != 255 ? 1 : 0;
    }
    EXPECT_EQ(black, c.bandPixels);
    EXPECT_EQ(grey, 0);
    int blended = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = static_cast<int>(55 * c.ratio); x < image.width(); ++x) {
        const int v = qGray(image.pixel(x, y));
        blended += v != 0 && v != 255 ? 1 : 0;
      }
    }
    EXPECT_GT(blended, 20);
    // Nothing strayed into the top-left corner from the lines that are not finite.
    EXPECT_EQ(qGray(image.pixel(2, 2)), 255);
  }
}

// On an image whose pixels the canvas writes itself, a slanted smooth line lays its ink where
// and as much as the toolkit's antialiased line does (drawn on an image it leaves to the
// toolkit), at every width the styles use.
TEST(QtCanvasSmoothTest, BlendedLinesMatchTheToolkitsInk) {
  for (const float width : {0.7f, 1.0f, 1.3f, 2.0f}) {
    SCOPED_TRACE(width);
    QImage blended = Plain(Qt::white);
    QImage painted(blended.size(), QImage::Format_ARGB32);
    painted.fill(Qt::white);
    for (QImage* image : {&blended, &painted}) {
      QtCanvas canvas(image);
      canvas.SetPen(kBlack, kPenSolid, 1);
      canvas.SmoothLine(20.0f, 30.4f, 180.0f, 95.9f, width);
    }
    double inkBlended = 0.0;
    double inkPainted = 0.0;
    for (int x = 30; x < 170; ++x) {
      double columnBlended = 0.0;
      double momentBlended = 0.0;
      double columnPainted = 0.0;
      double momentPainted = 0.0;
      for (int y = 0; y < blended.height(); ++y) {
        const double a = (255 - qGray(blended.pixel(x, y))) / 255.0;
        const double b = (255 - qGray(painted.pixel(x, y))) / 255.0;
        columnBlended += a;
        momentBlended += a * y;
        columnPainted += b;
        momentPainted += b * y;
      }
      inkBlended += columnBlended;
      inkPainted += columnPainted;
      EXPECT_NEAR(momentBlended / columnBlended, momentPainted / columnPainted, 0.25) << x;
    }
    EXPECT_NEAR(inkBlended / inkPainted, 1.0, 0.1);
  }
}

}  // namespace
}  // namespace hygrovia
