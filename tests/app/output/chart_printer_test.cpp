#include "app/output/chart_printer.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QLabel>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPixmap>
#include <QPrinter>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

QByteArray ReadAll(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// Page objects of a PDF file (the page tree itself is "/Pages").
int PageCount(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
  int count = 0;
  auto matches = page.globalMatch(QString::fromLatin1(pdf));
  while (matches.hasNext()) {
    matches.next();
    ++count;
  }
  return count;
}

// The deflated streams of a PDF file (page contents among them), unpacked.
std::vector<QByteArray> Streams(const QByteArray& pdf) {
  std::vector<QByteArray> streams;
  const QByteArray open = ">>\nstream\n";
  qsizetype from = 0;
  for (;;) {
    const qsizetype start = pdf.indexOf(open, from);
    if (start < 0) break;
    const qsizetype data = start + open.size();
    const qsizetype end = pdf.indexOf("endstream", data);
    if (end < 0) break;
    from = end;
    // Deflated data starts with a zlib header; pictures may be stored otherwise.
    if (pdf.at(data) != '\x78') continue;
    // qUncompress wants the size to expect up front; it grows its buffer when that is short.
    streams.push_back(qUncompress(QByteArray("\0\1\0\0", 4) + pdf.mid(data, end - data)));
  }
  return streams;
}

// The width on paper, in points, of the first image drawn on a page: the horizontal scale
// factors of the transformations in force where it is drawn, multiplied up.
double ImageWidthOnPaper(const QByteArray& pdf) {
  static const QRegularExpression matrix(
      QStringLiteral("(-?[\\d.]+) -?[\\d.]+ -?[\\d.]+ -?[\\d.]+ -?[\\d.]+ -?[\\d.]+ cm"));
  for (const QByteArray& stream : Streams(pdf)) {
    const qsizetype draw = stream.indexOf(" Do");
    if (draw < 0) continue;
    double width = 1.0;
    auto matches = matrix.globalMatch(QString::fromLatin1(stream.left(draw)));
    while (matches.hasNext()) width *= matches.next().captured(1).toDouble();
    return width;
  }
  return 0.0;
}

void PrintToPdf(QPrinter& printer, const QString& fileName, int dotsPerInch) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(fileName);
  printer.setResolution(dotsPerInch);
}

TEST(ChartPrinterTest, ImageKeepsItsScreenSizeOnOnePage) {
  struct Case {
    int dotsPerInch;
    qreal pixelRatio;
  };
  const std::vector<Case> cases = {{96, 1.0}, {300, 1.0}, {600, 1.0}, {1200, 2.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dotsPerInch);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("window.pdf"));
    QPixmap image(static_cast<int>(456 * c.pixelRatio), static_cast<int>(300 * c.pixelRatio));
    image.fill(QColor(200, 40, 40));
    image.setDevicePixelRatio(c.pixelRatio);
    QPrinter printer(QPrinter::HighResolution);
    PrintToPdf(printer, fileName, c.dotsPerInch);

    const std::optional<QRectF> target = PrintImage(image, printer);

    ASSERT_TRUE(target.has_value());
    const double scale = c.dotsPerInch / 96.0;
    EXPECT_DOUBLE_EQ(target->left(), 0.0);
    EXPECT_DOUBLE_EQ(target->top(), 0.0);
    EXPECT_DOUBLE_EQ(target->width(), 456 * scale);
    EXPECT_DOUBLE_EQ(target->height(), 300 * scale);
    // 456 screen pixels are 4.75 inches on paper whatever the printer's resolution.
    EXPECT_DOUBLE_EQ(target->width() / c.dotsPerInch, 4.75);
    const QByteArray pdf = ReadAll(fileName);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_NEAR(ImageWidthOnPaper(pdf), 4.75 * 72.0, 0.01);
  }
}

TEST(ChartPrinterTest, WindowLargerThanThePrintableAreaIsShrunkToFitIt) {
  struct Case {
    const char* name;
    QPageSize::PageSizeId paper;
    QPageLayout::Orientation orientation;
    QSize window;  // logical pixels, 96 an inch on paper
    bool shrunk;
  };
  const std::vector<Case> cases = {
      {"A4 portrait, small window", QPageSize::A4, QPageLayout::Portrait, {456, 456}, false},
      {"A4 portrait, maximised", QPageSize::A4, QPageLayout::Portrait, {1920, 1040}, true},
      {"A4 landscape, maximised", QPageSize::A4, QPageLayout::Landscape, {1920, 1040}, true},
      {"A4 landscape, tall window", QPageSize::A4, QPageLayout::Landscape, {600, 1000}, true},
      {"Letter portrait, small", QPageSize::Letter, QPageLayout::Portrait, {600, 400}, false},
      {"Letter landscape, maximised",
       QPageSize::Letter,
       QPageLayout::Landscape,
       {2560, 1400},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    QPixmap image(c.window);
    image.fill(QColor(200, 40, 40));
    QPrinter printer(QPrinter::HighResolution);
    PrintToPdf(printer, dir.filePath(QStringLiteral("window.pdf")), 300);
    printer.setPageLayout(QPageLayout(QPageSize(c.paper), c.orientation, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
    const QRectF printable(0, 0, printer.width(), printer.height());

    const std::optional<QRectF> target = PrintImage(image, printer);

    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->topLeft(), QPointF(0, 0));
    const QSizeF onScreenSize = QSizeF(c.window) * (300 / 96.0);
    // The window's proportions are kept either way.
    EXPECT_NEAR(target->width() / target->height(), onScreenSize.width() / onScreenSize.height(),
                1e-9);
    if (c.shrunk) {
      EXPECT_TRUE(printable.contains(*target));
      // One side fills the printable area.
      EXPECT_TRUE(std::abs(target->width() - printable.width()) < 1e-6 ||
                  std::abs(target->height() - printable.height()) < 1e-6);
    } else {
      EXPECT_EQ(target->size(), onScreenSize);
    }
  }
}

struct Shown {
  QString text;
  QString caption;
};

TEST(ChartPrinterTest, PrintsTheWindowOnlyWhenConfirmedAndTellsOfFailures) {
  struct Case {
    const char* name;
    bool confirm;
    bool writable;
    int pages;   // pages in the file afterwards; -1 when no file
    int errors;  // messages shown
  };
  const std::vector<Case> cases = {
      {"confirmed", true, true, 1, 0},
      {"cancelled", false, true, -1, 0},
      {"printer fails", true, false, -1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString fileName = c.writable ? dir.filePath(QStringLiteral("window.pdf"))
                                        : dir.filePath(QStringLiteral("missing/window.pdf"));
    QLabel window(QStringLiteral("Hygrovia"));
    window.resize(300, 200);
    std::vector<Shown> shown;
    ChartPrinter::Hooks hooks;
    int asked = 0;
    hooks.choosePrinter = [&](QPrinter& printer) {
      ++asked;
      PrintToPdf(printer, fileName, 300);
      return c.confirm;
    };
    hooks.showError = [&shown](const QString& text, const QString& caption) {
      shown.push_back({text, caption});
    };
    ChartPrinter printer(window, hooks);

    printer.Print();

    EXPECT_EQ(asked, 1);
    EXPECT_EQ(QFile::exists(fileName), c.pages >= 0);
    if (c.pages >= 0) {
      EXPECT_EQ(PageCount(ReadAll(fileName)), c.pages);
      // The window's 300 pixels are 3.125 inches on paper.
      EXPECT_NEAR(ImageWidthOnPaper(ReadAll(fileName)), 3.125 * 72.0, 0.01);
    }
    ASSERT_EQ(static_cast<int>(shown.size()), c.errors);
    if (c.errors > 0) {
      EXPECT_EQ(shown[0].caption, QStringLiteral("Hygrovia: Print Error"));
      EXPECT_EQ(shown[0].text, QStringLiteral("ERROR: The window could not be printed."));
    }
  }
}

}  // namespace
}  // namespace hygrovia
