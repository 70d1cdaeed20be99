#include "app/output/window_export.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QMarginsF>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/cli/headless.h"
#include "app/commands/command_line.h"
#include "app/dialogs/picture_export.h"
#include "app/output/chart_page_printer.h"
#include "climate/weather_hours.h"
#include "data/chart_file.h"
#include "data/epw_reader.h"
#include "model/chart_modes.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

QByteArray ReadAll(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int Count(const QByteArray& bytes, const char* pattern) {
  int count = 0;
  const QRegularExpression expression(QString::fromLatin1(pattern));
  for (auto m = expression.globalMatch(QString::fromLatin1(bytes)); m.hasNext(); m.next()) ++count;
  return count;
}

// The page's media box, "0 0 width height" in points.
QString MediaBox(const QByteArray& pdf) {
  static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*([\\d. ]+)\\]"));
  return box.match(QString::fromLatin1(pdf)).captured(1).simplified();
}

// The window's chart with a few points at another pressure and a zoomed view.
struct WindowChart : testing::TestChart {
  WindowChart() {
    settings.SetPressure(90.0f);
    for (const float t : {20.0f, 25.0f, 30.0f}) settings.Nodes.AppendPoint(t, t / 4.0f);
    surface.ZoomAboutCentre(3.0f);
  }
};

const ChartPageSetup kPage{
    QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15)),
    {"office.hgv", "2024-05-01"}};

TEST(WindowExportTest, WritesEachFormatFromTheWindowsChart) {
  QTemporaryDir dir;
  WindowChart chart;
  const float zoom = chart.surface.ScaleX;
  struct Case {
    const char* name;
    PictureFormat format;
    QSize size;
  };
  for (const Case& c : {Case{"chart.png", PictureFormat::Png, {640, 480}},
                        Case{"large.png", PictureFormat::Png, {3200, 2400}},
                        Case{"chart.svg", PictureFormat::Svg, {800, 600}},
                        Case{"chart.pdf", PictureFormat::Pdf, {800, 600}}}) {
    SCOPED_TRACE(c.name);
    const QString file = dir.filePath(QString::fromLatin1(c.name));

    EXPECT_TRUE(ExportWindowChart(chart.session, {file.toStdString(), c.format, c.size, kPage}));

    const QByteArray bytes = ReadAll(file);
    if (c.format == PictureFormat::Png) {
      EXPECT_EQ(QImage(file).size(), c.size);
    }
    if (c.format == PictureFormat::Svg) {
      QXmlStreamReader xml(bytes);
      QStringList texts;
      while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
          texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
      }
      EXPECT_FALSE(xml.hasError());
      // The chart's data table lists the window's points.
      EXPECT_TRUE(texts.contains(QStringLiteral("DATA: DBT  RH  WBT  ENTHALPY")));
    }
    if (c.format == PictureFormat::Pdf) {
      EXPECT_TRUE(bytes.startsWith("%PDF-"));
      EXPECT_EQ(Count(bytes, "/Type\\s*/Page(?!s)"), 1);
      // An A4 page, not one of the picture's size.
      EXPECT_TRUE(QRegularExpression(QStringLiteral("^0 0 595(\\.0*)? 842(\\.0*)?$"))
                      .match(MediaBox(bytes))
                      .hasMatch())
          << MediaBox(bytes).toStdString();
    }
  }
  // The window's own chart kept its view and its points.
  EXPECT_FLOAT_EQ(chart.surface.ScaleX, zoom);
  EXPECT_EQ(chart.surface.Canvas, &chart.canvas);
}

TEST(WindowExportTest, PdfExportIsThePagePrintChartPrints) {
  QTemporaryDir dir;
  WindowChart chart;
  const QString exported = dir.filePath(QStringLiteral("exported.pdf"));
  ASSERT_TRUE(
      ExportWindowChart(chart.session, {exported.toStdString(), PictureFormat::Pdf, {}, kPage}));
  QString printedTo = dir.filePath(QStringLiteral("printed.pdf"));
  ChartPagePrinter::Hooks hooks;
  hooks.preview = [&printedTo](QPrinter& printer, const ChartPagePrinter::PagePainter& paint) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printedTo);
    printer.setPageLayout(kPage.layout);
    paint(printer);
  };
  QStringList errors;
  hooks.showError = [&errors](const QString& text, const QString&) { errors << text; };
  ChartPagePrinter printer(chart.settings, hooks);
  printer.Print(kPage.title);

  const QByteArray a = ReadAll(exported);
  const QByteArray b = ReadAll(printedTo);
  EXPECT_EQ(MediaBox(a), MediaBox(b));
  // The same drawing: as many strokes, texts and fills on both pages.
  for (const char* op : {" l\\n", " Tj", " re\\n"}) EXPECT_EQ(Count(a, op), Count(b, op)) << op;
  EXPECT_TRUE(errors.isEmpty());
  // A printer that fails is told of.
  printedTo = dir.filePath(QStringLiteral("missing/printed.pdf"));
  printer.Print(kPage.title);
  EXPECT_EQ(errors, QStringList{QStringLiteral("ERROR: The chart could not be printed.")});
}

// A session as a user leaves it on screen (Clear, inch-pound units, the ASHRAE model, another
// pressure, three points, a summer of weather, a highlight, a zoomed view) and the same words
// given to a run without a window: the window's exports and the command line's are one chart.
TEST(WindowExportTest, WindowAndCommandLineWriteTheSameChart) {
  QTemporaryDir dir;
  const std::string points = dir.filePath(QStringLiteral("points.hgv")).toStdString();
  {
    testing::TestChart source;
    for (const float t : {18.0f, 24.0f, 31.0f}) source.settings.Nodes.AppendPoint(t, t / 3.0f);
    ASSERT_TRUE(SaveChartFile(points, source.settings));
  }
  const std::string weather = HYGROVIA_TEST_DATA_DIR "/chicago-ohare-tmy3.epw";
  const std::vector<std::string> words = {"-bar", "84.556", "-style", "clear", "-units",
                                          "ip",   "-props", "ashrae", points};
  testing::TestChart window(800, 600);
  CommandLineActions actions;
  actions.loadFile = [&window](const std::string& file) {
    ASSERT_TRUE(LoadChartFile(file, window.settings));
  };
  ProcessCommandLine(words, window.settings, actions);
  Result<WeatherYear> year = ReadWeatherFile(weather);
  ASSERT_TRUE(year);
  window.settings.Climate.SetWeather(std::move(year).Value(), "chicago-ohare-tmy3.epw");
  window.settings.Climate.SetFilter({6, 8, 0, 24});
  window.settings.Climate.SetShowComfort(true);
  window.settings.SetHighlight(HighlightMode::Enthalpy);
  window.settings.ApplyToSurface();
  window.surface.ZoomAboutCentre(2.0f);
  const float zoomed = window.surface.ScaleX;

  std::vector<std::string> run = words;
  for (const char* word :
       {"--weather", weather.c_str(), "-months", "6-8", "--highlight", "7", "--size", "800x600"}) {
    run.emplace_back(word);
  }
  struct Case {
    const char* name;
    PictureFormat format;
    const char* option;
  };
  for (const Case& c : {Case{"chart.png", PictureFormat::Png, "--export"},
                        Case{"page.pdf", PictureFormat::Pdf, "--page"}}) {
    SCOPED_TRACE(c.name);
    const QString fromWindow = dir.filePath(QStringLiteral("window-") + QLatin1String(c.name));
    const QString fromRun = dir.filePath(QStringLiteral("run-") + QLatin1String(c.name));
    const ChartPageSetup page{DefaultChartPageLayout(),
                              TodaysPageTitle(QString::fromStdString(points))};
    ASSERT_TRUE(
        ExportWindowChart(window.session, {fromWindow.toStdString(), c.format, {800, 600}, page}));
    std::vector<std::string> arguments = run;
    arguments.insert(arguments.end(), {c.option, fromRun.toStdString()});
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunHeadlessCommand(arguments, out, err), kExitDone) << err.str();

    if (c.format == PictureFormat::Png) {
      EXPECT_EQ(QImage(fromWindow), QImage(fromRun));
    } else {
      const QByteArray a = ReadAll(fromWindow);
      const QByteArray b = ReadAll(fromRun);
      EXPECT_EQ(MediaBox(a), MediaBox(b));
      for (const char* op : {" l\\n", " Tj", " re\\n"}) EXPECT_EQ(Count(a, op), Count(b, op)) << op;
    }
    // The window keeps its view.
    EXPECT_EQ(window.surface.ScaleX, zoomed);
  }
}

TEST(WindowExportTest, ExportCommandAsksForFileAndPngSizeAndTellsOfFailures) {
  QTemporaryDir dir;
  WindowChart chart;
  struct Case {
    const char* name;
    std::optional<ExportTarget> target;
    std::optional<QSize> pngSize;
    bool written;
    int errors;
  };
  const QString png = dir.filePath(QStringLiteral("a.png"));
  const std::vector<Case> cases = {
      {"file cancelled", std::nullopt, QSize(10, 10), false, 0},
      {"size cancelled", ExportTarget{png, PictureFormat::Png}, std::nullopt, false, 0},
      {"png", ExportTarget{png, PictureFormat::Png}, QSize(320, 200), true, 0},
      {"unwritable", ExportTarget{dir.filePath("x/c.svg"), PictureFormat::Svg}, {}, false, 1},
  };
  const Case* now = nullptr;
  QSize offered;
  QStringList errors;
  PictureExport::Hooks hooks;
  hooks.chooseFile = [&now](const QString&) { return now->target; };
  hooks.choosePngSize = [&](QSize chartArea) {
    offered = chartArea;
    return now->pngSize;
  };
  hooks.showError = [&errors](const QString&, const QString& caption) { errors << caption; };
  PictureExport exporter(chart.session, hooks);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    now = &c;
    errors.clear();
    QFile::remove(png);

    EXPECT_EQ(exporter.Export(kPage), c.written);

    EXPECT_EQ(QFile::exists(png), c.written);
    if (c.written) {
      EXPECT_EQ(QImage(png).size(), *c.pngSize);
    }
    EXPECT_EQ(errors.size(), c.errors);
  }
  EXPECT_EQ(offered, QSize(testing::TestChart::kWidth, testing::TestChart::kHeight));
  EXPECT_EQ(errors, QStringList{QStringLiteral("Hygrovia: Export Error")});
  // The next export starts where the last one went.
  EXPECT_EQ(exporter.LastFolder(), dir.filePath(QStringLiteral("x")));
}

// Regression: an export named as the open weather file replaced a year of weather with a
// picture.
TEST(WindowExportTest, NoPictureReplacesTheOpenWeatherFile) {
  QTemporaryDir dir;
  const std::filesystem::path at = dir.path().toStdString();
  const std::filesystem::path weather = at / "wx.png";
  { std::ofstream(weather) << "LOCATION,Somewhere\n"; }
  std::filesystem::create_symlink(weather, at / "alias.png");
  struct Case {
    std::filesystem::path file;
    bool written;
  };
  const Case cases[] = {{weather, false}, {at / "alias.png", false}, {at / "other.png", true}};
  WindowChart chart;
  const Case* now = nullptr;
  QStringList errors;
  PictureExport::Hooks hooks;
  hooks.chooseFile = [&now](const QString&) {
    return std::optional<ExportTarget>(
        {QString::fromStdString(now->file.string()), PictureFormat::Png});
  };
  hooks.choosePngSize = [](QSize) { return std::optional<QSize>(QSize(64, 48)); };
  hooks.showError = [&errors](const QString& text, const QString&) { errors << text; };
  PictureExport exporter(chart.session, hooks);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    now = &c;
    EXPECT_EQ(exporter.Export(kPage, weather), c.written) << errors.join("").toStdString();
    EXPECT_EQ(ReadAll(QString::fromStdString(weather.string())),
              QByteArray("LOCATION,Somewhere\n"));
  }
}

}  // namespace
}  // namespace hygrovia
