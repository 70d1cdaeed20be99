#include "session/chart_session.h"
#include "app/output/clipboard_copy.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPicture>
#include <QRectF>
#include <QString>
#include <QSvgRenderer>
#include <QWidget>
#include <QXmlStreamReader>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/output/chart_picture.h"
#include "app/output/qt_canvas.h"
#include "drawing/chart_drawing.h"
#include "model/chart_settings.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "support/recording_control.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 360;
const QString kSvg = QString::fromLatin1(ClipboardCopy::kSvgMimeType);
const QString kPng = QString::fromLatin1(ClipboardCopy::kPngMimeType);

// The default chart on an off-screen image, drawn as the main window draws it.
struct ScreenChart {
  QImage image{kWidth, kHeight, QImage::Format_RGB32};
  QtCanvas canvas;
  testing::RecordingControl control{kWidth, kHeight};
  ChartSession session;
  DrawingSurface& surface = session.Surface();
  AirState& cursor = session.CursorState();
  AirState& arrow = session.ArrowState();
  ChartSettings& settings = session.Settings();
  StatusLine status;

  ScreenChart() {
    canvas.SetDevice(&image);
    canvas.SetFont(QStringLiteral("Arial"), 8);
    surface.Attach(&canvas, &control);
    surface.SetRedrawHandler([this] { Redraw(); });
    settings.ApplyToSurface();
    Redraw();
  }

  void Redraw() {
    surface.Clear(kButtonFace);
    DrawChart(settings, status);
    surface.RefreshControl();
  }
};

struct Shown {
  QString text;
  QString caption;
};

// The usual hooks with message boxes replaced by a list of what would have been shown.
ClipboardCopy::Hooks RecordingHooks(QWidget& owner, std::vector<Shown>& shown) {
  ClipboardCopy::Hooks hooks = ClipboardCopy::DefaultHooks(owner);
  hooks.showError = [&shown](const QString& text, const QString& caption) {
    shown.push_back({text, caption});
  };
  return hooks;
}

void PutSentinelOnClipboard() { QGuiApplication::clipboard()->setText(QStringLiteral("sentinel")); }

QByteArray ClipboardData(const QString& type) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data == nullptr ? QByteArray() : data->data(type);
}

// The texts of the document's text elements, in order.
std::vector<std::string> SvgTexts(const QByteArray& svg) {
  std::vector<std::string> texts;
  QXmlStreamReader reader(svg);
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"text") {
      texts.push_back(reader.readElementText().toStdString());
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  return texts;
}

int Count(const std::vector<std::string>& texts, const std::string& text) {
  int n = 0;
  for (const std::string& t : texts) n += t == text ? 1 : 0;
  return n;
}

QRectF ViewBox(const QByteArray& svg) {
  QSvgRenderer renderer(svg);
  return renderer.viewBoxF();
}

double TransparentShare(const QImage& image) {
  long long transparent = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) transparent += qAlpha(image.pixel(x, y)) == 0 ? 1 : 0;
  }
  return static_cast<double>(transparent) / (static_cast<double>(image.width()) * image.height());
}

TEST(ClipboardCopyTest, PutsTheChartOnTheClipboardAsSvgAndPng) {
  ScreenChart chart;
  chart.settings.Nodes.AppendPoint(20.0f, 8.0f);
  chart.settings.Nodes.AppendPoint(30.0f, 12.0f);
  chart.Redraw();
  QWidget owner;
  std::vector<Shown> shown;
  PutSentinelOnClipboard();

  ClipboardCopy copy(chart.settings, chart.status, RecordingHooks(owner, shown));
  copy.Copy();

  EXPECT_TRUE(shown.empty());
  const QByteArray svg = ClipboardData(kSvg);
  ASSERT_FALSE(svg.isEmpty());
  EXPECT_TRUE(QSvgRenderer(svg).isValid());
  const std::vector<std::string> texts = SvgTexts(svg);
  EXPECT_EQ(Count(texts, " AH"), 1);
  EXPECT_EQ(Count(texts,
                  "       DBT(\xC2\xB0"
                  "C)"),
            1);
  EXPECT_EQ(Count(texts, " 1. "), 1);
  EXPECT_EQ(Count(texts, " 2. "), 1);
  // Labels carry no shadow in a picture: each table row is there once, not twice.
  ASSERT_GT(chart.settings.TableLineCount, 0);
  EXPECT_EQ(Count(texts, chart.settings.TableLines[0]), 1);
  // Marks and nodes are plain cyan strokes; the selected node's square is filled.
  EXPECT_TRUE(svg.contains("stroke=\"#00ffff\""));
  EXPECT_TRUE(svg.contains("fill=\"#00ffff\""));
  EXPECT_TRUE(svg.contains("<title>Hygrovia</title>"));

  const QImage png = QImage::fromData(ClipboardData(kPng), "PNG");
  ASSERT_FALSE(png.isNull());
  EXPECT_EQ(png.size(), ViewBox(svg).size().toSize());
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());
  // No background: most of the picture is empty.
  EXPECT_GT(TransparentShare(png), 0.5);
}

TEST(ClipboardCopyTest, ZoomedInCopyKeepsWhatLiesOutsideTheWindow) {
  ScreenChart chart;
  chart.surface.ZoomAboutCentre(3.0f);
  chart.Redraw();
  QWidget owner;
  std::vector<Shown> shown;

  ClipboardCopy copy(chart.settings, chart.status, RecordingHooks(owner, shown));
  copy.Copy();

  const QByteArray svg = ClipboardData(kSvg);
  const QRectF box = ViewBox(svg);
  EXPECT_LT(box.left(), 0.0);
  EXPECT_LT(box.top(), 0.0);
  EXPECT_GT(box.right(), kWidth);
  EXPECT_GT(box.bottom(), kHeight);
  // The scale title stands under the bottom-left corner of the chart, far off the window now.
  const std::vector<std::string> texts = SvgTexts(svg);
  EXPECT_EQ(Count(texts,
                  "       DBT(\xC2\xB0"
                  "C)"),
            1);
  EXPECT_EQ(Count(texts, " AH"), 1);
  const QImage png = QImage::fromData(ClipboardData(kPng), "PNG");
  EXPECT_EQ(png.size(), box.size().toSize());
}

TEST(ClipboardCopyTest, FarZoomedCopyKeepsTheRasterRenderingWithinBounds) {
  ScreenChart chart;
  chart.surface.ZoomAboutCentre(400.0f);
  QWidget owner;
  std::vector<Shown> shown;

  ClipboardCopy copy(chart.settings, chart.status, RecordingHooks(owner, shown));
  copy.Copy();

  EXPECT_TRUE(shown.empty());
  const QByteArray svg = ClipboardData(kSvg);
  EXPECT_TRUE(QSvgRenderer(svg).isValid());
  EXPECT_GT(ViewBox(svg).width(), 100.0 * kWidth);
  const QImage png = QImage::fromData(ClipboardData(kPng), "PNG");
  ASSERT_FALSE(png.isNull());
  EXPECT_LE(png.width(), kMaxImageSide);
  EXPECT_LE(png.height(), kMaxImageSide);
  EXPECT_LE(static_cast<long long>(png.width()) * png.height(), kMaxImagePixels);
}

TEST(ClipboardCopyTest, ScreenAndSurfaceAreAsBeforeTheCopy) {
  ScreenChart chart;
  chart.settings.SetRelativeCursor(true);
  chart.surface.ZoomAboutCentre(1.1f);
  chart.Redraw();
  const QImage before = chart.image.copy();
  const DrawingSurface& s = chart.surface;
  const float scaleX = s.ScaleX;
  const float offsetX = s.OffsetX;
  const float offsetY = s.OffsetY;
  const int repaints = chart.control.Repaints();
  QWidget owner;
  std::vector<Shown> shown;

  ClipboardCopy copy(chart.settings, chart.status, RecordingHooks(owner, shown));
  copy.Copy();
  copy.Copy();

  EXPECT_EQ(chart.image, before);
  EXPECT_EQ(s.Canvas, &chart.canvas);
  EXPECT_EQ(s.Control, &chart.control);
  EXPECT_EQ(s.DeviceWidth, kWidth);
  EXPECT_EQ(s.DeviceHeight, kHeight);
  EXPECT_EQ(s.PictureOutput, 0);
  EXPECT_EQ(s.ScaleX, scaleX);
  EXPECT_EQ(s.OffsetX, offsetX);
  EXPECT_EQ(s.OffsetY, offsetY);
  EXPECT_EQ(chart.control.Repaints(), repaints);
  // The screen chart draws exactly as before, XOR marks included.
  chart.Redraw();
  EXPECT_EQ(chart.image, before);
  for (int i = 0; i < 2; ++i) {
    chart.surface.SetPen(kCyan, kPenSolid, 1);
    chart.surface.SetMixMode(kMixXor);
    chart.surface.DrawCross(25.0f, 10.0f, 8);
    chart.surface.SetMixMode(kMixCopy);
  }
  EXPECT_EQ(chart.image, before);
}

TEST(ClipboardCopyTest, FailuresAreToldAndLeaveTheScreenAttached) {
  struct Case {
    const char* name;
    std::function<void(ClipboardCopy::Hooks&)> breakIt;
    const char* message;  // null: nothing shown
  };
  const std::vector<Case> cases = {
      {"no canvas", [](ClipboardCopy::Hooks& h) { h.makeCanvas = [] { return nullptr; }; },
       "ERROR: Clipboard copy failed."},
      {"no picture", [](ClipboardCopy::Hooks& h) { h.makePicture = [] { return nullptr; }; },
       "ERROR: Could not create metafile."},
      {"no clipboard", [](ClipboardCopy::Hooks& h) { h.clipboard = [] { return nullptr; }; },
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScreenChart chart;
    const QImage before = chart.image.copy();
    QWidget owner;
    std::vector<Shown> shown;
    ClipboardCopy::Hooks hooks = RecordingHooks(owner, shown);
    c.breakIt(hooks);
    PutSentinelOnClipboard();

    ClipboardCopy copy(chart.settings, chart.status, hooks);
    copy.Copy();

    if (c.message != nullptr) {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0].text, QString::fromLatin1(c.message));
      EXPECT_EQ(shown[0].caption, QStringLiteral("Hygrovia: Memory Error"));
    } else {
      EXPECT_TRUE(shown.empty());
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("sentinel"));
    EXPECT_TRUE(ClipboardData(kSvg).isEmpty());
    EXPECT_EQ(chart.surface.Canvas, &chart.canvas);
    EXPECT_EQ(chart.surface.Control, &chart.control);
    EXPECT_EQ(chart.surface.PictureOutput, 0);
    EXPECT_EQ(chart.image, before);
  }
}

}  // namespace
}  // namespace hygrovia
