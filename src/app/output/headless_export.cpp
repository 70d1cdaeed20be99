#include "app/output/headless_export.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPoint>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <optional>
#include <string_view>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

#include "app/output/chart_page_printer.h"
#include "app/output/chart_picture.h"
#include "app/output/chart_printer.h"
#include "app/output/headless_png.h"
#include "app/output/lent_surface.h"
#include "app/output/qt_canvas.h"
#include "base/run_aside.h"
#include "data/atomic_file.h"
#include "data/write_target.h"
#include "session/chart_session.h"

namespace hygrovia {
namespace {

void UseChartFont(QtCanvas& canvas) { canvas.SetFont(QStringLiteral("Arial"), 8); }

QString NoMemory() { return QStringLiteral("not enough memory for the picture"); }

QString CannotPaint() { return QStringLiteral("cannot paint the picture"); }

// A picture's bytes, or why it could not be made.
struct Picture {
  QByteArray bytes;
  QString error;
};

// The bytes, which are empty when the picture could not be made, or why not.
Picture Made(QByteArray bytes, const QString& whyEmpty) {
  if (bytes.isEmpty()) return {{}, whyEmpty};
  return {std::move(bytes), {}};
}

Picture NoPicture(const QString& why) { return {{}, why}; }

// An image of the size whose memory comes, where the system offers them, in pages of 2 MiB:
// a picture of 1600 by 1200 then takes four page faults to clear instead of nearly two
// thousand, and hands back as few pages when it is freed.
QImage ImageInLargePages(QSize size) {
#ifdef __linux__
  constexpr std::size_t kLargePage = std::size_t{2} << 20;
  const auto bytesPerLine = static_cast<std::size_t>(size.width()) * sizeof(QRgb);
  const std::size_t bytes =
      (bytesPerLine * static_cast<std::size_t>(size.height()) + kLargePage - 1) / kLargePage *
      kLargePage;
  void* memory = std::aligned_alloc(kLargePage, bytes);
  if (memory == nullptr) return {};
  madvise(memory, bytes, MADV_HUGEPAGE);  // only advice: small pages serve as well
  return QImage(static_cast<uchar*>(memory), size.width(), size.height(),
                static_cast<qsizetype>(bytesPerLine), QImage::Format_RGB32, std::free, memory);
#else
  return QImage(size, QImage::Format_RGB32);
#endif
}

// A cleared image of the size, made on another thread: the system maps the pages of a large
// picture while this one loads the fonts, which the first text measured does.
std::future<QImage> StartBlankImage(QSize size) {
  return RunAside([size] {
    QImage image = ImageInLargePages(size);
    image.fill(Qt::white);
    return image;
  });
}

void LoadChartFont() {
  QtCanvas canvas;
  UseChartFont(canvas);
  canvas.TextHeight("0");
}

// The chart drawn as on screen: cleared to the style's background, every line in its pixels.
Picture DrawPng(ChartSession& session, const ChartOutput& output) {
  std::future<QImage> blank = StartBlankImage(output.size);
  LoadChartFont();
  QImage image = blank.get();
  if (image.isNull()) return NoPicture(NoMemory());
  {
    QtCanvas canvas;
    UseChartFont(canvas);
    canvas.SetDevice(&image);
    if (canvas.Device() == nullptr) return NoPicture(CannotPaint());
    LentSurface(session, output.size, &canvas).Redraw();
  }
  return Made(EncodePng(image), NoMemory());
}

// The chart recorded as the clipboard copy records it (no background, labels without
// shadows), on a chart area whose texts measure as on screen. The frame is the chart area,
// widened where labels reach beyond it so that a picture cuts none of them; nothing when
// the picture could not be painted.
std::optional<QRect> RecordPicture(ChartSession& session, const ChartOutput& output,
                                   QPicture& picture) {
  QtCanvas screen;
  UseChartFont(screen);
  QtCanvas canvas;
  std::optional<QRect> drawn;
  {
    const LentSurface lent(session, output.size, &screen);
    drawn = RecordChartPicture(session.Settings(), session.Status(), canvas, picture);
  }
  if (!drawn) return std::nullopt;
  return drawn->united(QRect(QPoint(0, 0), output.size));
}

Picture DrawSvg(ChartSession& session, const ChartOutput& output) {
  QPicture picture;
  const std::optional<QRect> frame = RecordPicture(session, output, picture);
  if (!frame) return NoPicture(CannotPaint());
  return Made(PictureToSvg(picture, *frame), CannotPaint());
}

// The document is made in memory: the file is written only once it is complete.
Picture DrawPdf(ChartSession& session, const ChartOutput& output) {
  QPicture picture;
  const std::optional<QRect> frame = RecordPicture(session, output, picture);
  if (!frame) return NoPicture(CannotPaint());
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return NoPicture(NoMemory());
  // The page has the picture's resolution, so the chart's 8 point texts keep their size.
  const int dpi = picture.logicalDpiY();
  const double pointsPerPixel = 72.0 / dpi;
  QPdfWriter pdf(&buffer);
  pdf.setTitle(QStringLiteral("Hygrovia"));
  pdf.setCreator(QStringLiteral("Hygrovia"));
  pdf.setResolution(dpi);
  const QSizeF points(frame->width() * pointsPerPixel, frame->height() * pointsPerPixel);
  pdf.setPageLayout(
      QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                  QPageLayout::Portrait, QMarginsF()));
  QPainter painter;
  if (!painter.begin(&pdf)) return NoPicture(CannotPaint());
  painter.translate(-frame->topLeft());
  painter.drawPicture(0, 0, picture);
  if (!painter.end()) return NoPicture(CannotPaint());
  buffer.close();
  return Made(std::move(bytes), CannotPaint());
}

// The chart page of the chart's page setup, as the chart page printer prints it; made in
// memory like every picture.
Picture DrawPdfPage(ChartSession& session, const ChartOutput& output) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return NoPicture(NoMemory());
  {
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QStringLiteral("Hygrovia"));
    pdf.setCreator(QStringLiteral("Hygrovia"));
    pdf.setResolution(static_cast<int>(kScreenDotsPerInch));
    pdf.setPageLayout(output.page.layout);
    if (!PaintChartPage(session.Settings(), pdf, output.page.title)) {
      return NoPicture(CannotPaint());
    }
  }
  buffer.close();
  return Made(std::move(bytes), CannotPaint());
}

using Drawer = Picture (*)(ChartSession&, const ChartOutput&);

Drawer DrawerOf(PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
      return DrawPng;
    case PictureFormat::Svg:
      return DrawSvg;
    case PictureFormat::Pdf:
      return DrawPdf;
    case PictureFormat::PdfPage:
      return DrawPdfPage;
    case PictureFormat::Unknown:
      break;
  }
  return nullptr;
}

Failure CannotWrite(const std::string& fileName, const std::string& why) {
  return Failed("cannot write \"" + fileName + "\": " + why);
}

}  // namespace

Result<> ExportChart(ChartSession& session, const ChartOutput& output, const std::string& fileName,
                     PictureFormat format) {
  const Drawer draw = DrawerOf(format);
  if (!draw) return Failed("cannot tell the picture format of \"" + fileName + "\"");
  // The name's bytes go to the system unchanged, whatever their encoding.
  const std::filesystem::path path(fileName);
  // A target that will be refused is told before a large picture is drawn for nothing.
  if (const Result<WriteTarget> target = FindWriteTarget(path); !target) {
    return CannotWrite(fileName, target.Message());
  }
  const Picture picture = draw(session, output);
  if (!picture.error.isEmpty()) return CannotWrite(fileName, picture.error.toStdString());
  const Result<> written = ReplaceFileContents(
      path,
      std::string_view(picture.bytes.constData(), static_cast<std::size_t>(picture.bytes.size())));
  if (!written) return CannotWrite(fileName, written.Message());
  return Done();
}

}  // namespace hygrovia
