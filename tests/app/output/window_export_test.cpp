#include "app/output/window_export.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QXmlStreamReader>
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/output/chart_page_printer.h"
#include "app/window/picture_export.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

using testing::TestChart;

QByteArray ReadAll(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

int Count(const QByteArray& pdf, const QString& pattern) {
  const QRegularExpression expression(pattern);
  int count = 0;
  for (auto m = expression.globalMatch(QString::fromLatin1(pdf)); m.hasNext(); m.next()) ++count;
  return count;
}

int PageCount(const QByteArray& pdf) { return Count(pdf, QStringLiteral("/Type\\s*/Page(?!s)")); }

// The page's size in points, from its media box.
QSizeF MediaBox(const QByteArray& pdf) {
  static const QRegularExpression box(
      QStringLiteral("/MediaBox\\s*\\[\\s*0 0 ([\\d.]+) ([\\d.]+)\\s*\\]"));
  const auto match = box.match(QString::fromLatin1(pdf));
  if (!match.hasMatch()) return {};
  return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

// The texts of an SVG file and whether it parsed.
struct Svg {
  bool parsed = false;
  std::vector<QString> texts;
};

Svg ReadSvg(const QString& fileName) {
  QFile file(fileName);
  Svg svg;
  if (!file.open(QIODevice::ReadOnly)) return svg;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text")) {
      svg.texts.push_back(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
    }
  }
  svg.parsed = !xml.hasError();
  return svg;
}

// The window's chart with a few points and a zoomed view.
struct WindowChart : TestChart {
  WindowChart() {
    settings.SetPressure(90.0f);
    for (int i = 0; i < 3; ++i)
      settings.Nodes.AppendPoint(20.0f + 5.0f * static_cast<float>(i),
                                 6.0f + static_cast<float>(i));
    surface.ZoomAboutCentre(3.0f);
  }
};

ChartPageSetup A4Page() { return {DefaultChartPageLayout(), {"office.hgv", "2024-05-01"}}; }

TEST(WindowExportTest, WritesEachFormatFromTheWindowsChart) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  WindowChart chart;
  const float zoom = chart.surface.ScaleX;
  struct Case {
    const char* name;
    PictureFormat format;
    QSize size;
  };
  const std::vector<Case> cases = {
      {"chart.png", PictureFormat::Png, {640, 480}},
      {"large.png", PictureFormat::Png, {3200, 2400}},
      {"chart.svg", PictureFormat::Svg, {800, 600}},
      {"chart.pdf", PictureFormat::Pdf, {800, 600}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString file = dir.filePath(QString::fromLatin1(c.name));
    WindowExportRequest request{file.toStdString(), c.format, c.size, A4Page()};

    EXPECT_EQ(ExportWindowChart(chart.settings, request), "");

    switch (c.format) {
      case PictureFormat::Png: {
        const QImage image(file);
        EXPECT_EQ(image.size(), c.size);
        break;
      }
      case PictureFormat::Svg: {
        const Svg svg = ReadSvg(file);
        EXPECT_TRUE(svg.parsed);
        // The chart's data table lists the window's points.
        EXPECT_NE(std::find(svg.texts.begin(), svg.texts.end(),
                            QStringLiteral("DATA: DBT  RH  WBT  ENTHALPY")),
                  svg.texts.end());
        break;
      }
      default: {
        const QByteArray pdf = ReadAll(file);
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        EXPECT_EQ(PageCount(pdf), 1);
        // An A4 page, not a picture-sized one.
        EXPECT_NEAR(MediaBox(pdf).width(), 595.0, 1.0);
        EXPECT_NEAR(MediaBox(pdf).height(), 842.0, 1.0);
      }
    }
  }
  // The window's own chart kept its view and its points.
  EXPECT_FLOAT_EQ(chart.surface.ScaleX, zoom);
  EXPECT_EQ(chart.settings.Nodes.Count, 3);
  EXPECT_EQ(chart.surface.Canvas, &chart.canvas);
}

TEST(WindowExportTest, PdfExportIsThePagePrintChartPrints) {
  QTemporaryDir dir;
  WindowChart chart;
  const ChartPageSetup page = A4Page();
  const QString exported = dir.filePath(QStringLiteral("exported.pdf"));
  ASSERT_EQ(ExportWindowChart(chart.settings,
                              {exported.toStdString(), PictureFormat::Pdf, {800, 600}, page}),
            "");
  const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
  ChartPagePrinter::Hooks hooks;
  hooks.preview = [&printed](QPrinter& printer, const ChartPagePrinter::PagePainter& paint) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    paint(printer);
  };
  ChartPagePrinter printer(chart.settings, hooks);
  printer.Print(page.title);

  const QByteArray a = ReadAll(exported);
  const QByteArray b = ReadAll(printed);
  EXPECT_EQ(PageCount(b), 1);
  EXPECT_EQ(MediaBox(a), MediaBox(b));
  // The same drawing: as many strokes and texts on both pages.
  for (const char* operatorPattern : {" l\\n", " Tj", " re\\n"}) {
    EXPECT_EQ(Count(a, QString::fromLatin1(operatorPattern)),
              Count(b, QString::fromLatin1(operatorPattern)))
        << operatorPattern;
  }
}

TEST(WindowExportTest, FailedWritesAreToldAndLeaveNoFile) {
  QTemporaryDir dir;
  WindowChart chart;
  struct Case {
    const char* name;
    QString file;
    PictureFormat format;
  };
  const std::vector<Case> cases = {
      {"missing folder", dir.filePath(QStringLiteral("missing/chart.png")), PictureFormat::Png},
      {"folder as file", dir.path(), PictureFormat::Svg},
      {"missing folder, pdf", dir.filePath(QStringLiteral("no/chart.pdf")), PictureFormat::Pdf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string error =
        ExportWindowChart(chart.settings, {c.file.toStdString(), c.format, {400, 300}, A4Page()});
    EXPECT_EQ(error.rfind("cannot write \"" + c.file.toStdString() + "\": ", 0), 0u) << error;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
}

TEST(WindowExportTest, ExportCommandAsksForFileAndPngSizeAndRemembersTheFolder) {
  QTemporaryDir dir;
  WindowChart chart;
  struct Case {
    const char* name;
    std::optional<ExportTarget> target;
    std::optional<QSize> pngSize;
    bool written;
    int sizeAsked;
  };
  const QString png = dir.filePath(QStringLiteral("a.png"));
  const QString svg = dir.filePath(QStringLiteral("b.svg"));
  const std::vector<Case> cases = {
      {"file cancelled", std::nullopt, QSize(10, 10), false, 0},
      {"size cancelled", ExportTarget{png, PictureFormat::Png}, std::nullopt, false, 1},
      {"png", ExportTarget{png, PictureFormat::Png}, QSize(320, 200), true, 1},
      {"svg asks no size", ExportTarget{svg, PictureFormat::Svg}, std::nullopt, true, 0},
      {"unwritable", ExportTarget{dir.filePath(QStringLiteral("x/c.svg")), PictureFormat::Svg},
       std::nullopt, false, 0},
  };
  PictureExport::Hooks hooks;
  QString folderAsked;
  const Case* current = nullptr;
  int sizeAsked = 0;
  QSize offered;
  std::vector<QString> errors;
  hooks.chooseFile = [&](const QString& folder) {
    folderAsked = folder;
    return current->target;
  };
  hooks.choosePngSize = [&](QSize chartArea) {
    ++sizeAsked;
    offered = chartArea;
    return current->pngSize;
  };
  hooks.showError = [&](const QString& text, const QString& caption) {
    errors.push_back(caption + QStringLiteral(": ") + text);
  };
  PictureExport exporter(chart.settings, hooks);
  EXPECT_EQ(exporter.LastFolder(), QString());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    current = &c;
    sizeAsked = 0;
    errors.clear();
    QFile::remove(png);
    QFile::remove(svg);

    EXPECT_EQ(exporter.Export(A4Page()), c.written);

    EXPECT_EQ(sizeAsked, c.sizeAsked);
    if (c.sizeAsked > 0) {
      EXPECT_EQ(offered, QSize(TestChart::kWidth, TestChart::kHeight));
    }
    if (c.written) {
      EXPECT_TRUE(QFile::exists(c.target->fileName));
      EXPECT_EQ(exporter.LastFolder(), dir.path());
    }
    if (c.written && c.pngSize) {
      EXPECT_EQ(QImage(png).size(), *c.pngSize);
    }
    EXPECT_EQ(errors.size(), std::string(c.name) == "unwritable" ? 1u : 0u);
    if (!errors.empty()) {
      EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Hygrovia: Export Error")));
    }
  }
  // The next export starts where the last one went, even when that one failed.
  EXPECT_EQ(exporter.LastFolder(), dir.filePath(QStringLiteral("x")));
}

TEST(WindowExportTest, TargetTakesTheNamesFormatOrTheFiltersExtension) {
  struct Case {
    const char* name;
    PictureFormat filter;
    const char* file;
    PictureFormat format;
  };
  const std::vector<Case> cases = {
      {"chart.png", PictureFormat::Svg, "chart.png", PictureFormat::Png},
      {"chart.SVG", PictureFormat::Png, "chart.SVG", PictureFormat::Svg},
      {"chart.Pdf", PictureFormat::Png, "chart.Pdf", PictureFormat::Pdf},
      {"chart", PictureFormat::Pdf, "chart.pdf", PictureFormat::Pdf},
      {"chart.", PictureFormat::Svg, "chart.svg", PictureFormat::Svg},
      {"chart.jpg", PictureFormat::Png, "chart.jpg.png", PictureFormat::Png},
      {"my.charts/plot", PictureFormat::Png, "my.charts/plot.png", PictureFormat::Png},
  };
  for (const Case& c : cases) {
    const ExportTarget target = ExportTargetOf(QString::fromLatin1(c.name), c.filter);
    EXPECT_EQ(target.fileName, QString::fromLatin1(c.file)) << c.name;
    EXPECT_EQ(target.format, c.format) << c.name;
  }
}

TEST(WindowExportTest, PrintChartPreviewsThePageAndTellsOfFailures) {
  QTemporaryDir dir;
  WindowChart chart;
  // Qt's own preview dialog paints the page to show it.
  QWidget window;
  ChartPagePrinter::Hooks hooks = ChartPagePrinter::DefaultHooks(window);
  int paints = 0;
  QTimer closer;
  closer.setInterval(20);
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  closer.start();
  hooks.preview(*std::make_unique<QPrinter>(QPrinter::ScreenResolution),
                [&paints](QPrinter&) { return ++paints > 0; });
  closer.stop();
  EXPECT_GE(paints, 1);

  std::vector<QString> errors;
  hooks.showError = [&errors](const QString& text, const QString& caption) {
    errors.push_back(caption + QStringLiteral(": ") + text);
  };
  const QString unwritable = dir.filePath(QStringLiteral("missing/page.pdf"));
  hooks.preview = [&unwritable](QPrinter& printer, const ChartPagePrinter::PagePainter& paint) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(unwritable);
    paint(printer);
  };
  ChartPagePrinter printer(chart.settings, hooks);
  printer.Print({});
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0],
            QStringLiteral("Hygrovia: Print Error: ERROR: The chart could not be printed."));
  // The page setup of the printing is kept for the next page and the PDF export.
  EXPECT_EQ(printer.PageLayout().pageSize().id(), DefaultChartPageLayout().pageSize().id());
}

}  // namespace
}  // namespace hygrovia
