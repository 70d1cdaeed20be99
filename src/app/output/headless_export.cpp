#include "app/output/headless_export.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPoint>
#include <QRect>
#include <QSaveFile>
#include <QSizeF>
#include <QString>
#include <optional>

#include "app/cli/headless_chart.h"
#include "app/output/chart_page_printer.h"
#include "app/output/chart_picture.h"
#include "app/output/chart_printer.h"
#include "app/output/headless_png.h"
#include "app/output/qt_canvas.h"

namespace hygrovia {
namespace {

void UseChartFont(QtCanvas& canvas) { canvas.SetFont(QStringLiteral("Arial"), 8); }

QString NoMemory() { return QStringLiteral("not enough memory for the picture"); }

QString CannotPaint() { return QStringLiteral("cannot paint the picture"); }

// Writes the bytes of a picture, which are empty when it could not be made; why not when
// that failed.
QString WriteAll(QSaveFile& file, const QByteArray& bytes, const QString& whyEmpty) {
  if (bytes.isEmpty()) return whyEmpty;
  return file.write(bytes) == bytes.size() ? QString() : file.errorString();
}

// The chart drawn as on screen: cleared to the button face, every line in its pixels.
QString WritePng(HeadlessChart& chart, QSaveFile& file) {
  QImage image(chart.area.Size(), QImage::Format_RGB32);
  if (image.isNull()) return NoMemory();
  {
    QtCanvas canvas;
    UseChartFont(canvas);
    canvas.SetDevice(&image);
    if (canvas.Device() == nullptr) return CannotPaint();
    chart.AttachCanvas(&canvas);
    chart.Redraw();
    chart.AttachCanvas(nullptr);
  }
  return WriteAll(file, EncodePng(image), NoMemory());
}

// The chart recorded as the clipboard copy records it (no background, labels without
// shadows), on a chart area whose texts measure as on screen. The frame is the chart area,
// widened where labels reach beyond it so that a picture cuts none of them; nothing when
// the picture could not be painted.
std::optional<QRect> RecordPicture(HeadlessChart& chart, QPicture& picture) {
  QtCanvas screen;
  UseChartFont(screen);
  chart.AttachCanvas(&screen);
  QtCanvas canvas;
  const std::optional<QRect> drawn =
      RecordChartPicture(chart.settings, chart.status, canvas, picture);
  chart.AttachCanvas(nullptr);
  if (!drawn) return std::nullopt;
  return drawn->united(QRect(QPoint(0, 0), chart.area.Size()));
}

QString WriteSvg(HeadlessChart& chart, QSaveFile& file) {
  QPicture picture;
  const std::optional<QRect> frame = RecordPicture(chart, picture);
  if (!frame) return CannotPaint();
  return WriteAll(file, PictureToSvg(picture, *frame), CannotPaint());
}

QString WritePdf(HeadlessChart& chart, QSaveFile& file) {
  QPicture picture;
  const std::optional<QRect> frame = RecordPicture(chart, picture);
  if (!frame) return CannotPaint();
  // The page has the picture's resolution, so the chart's 8 point texts keep their size.
  const int dpi = picture.logicalDpiY();
  const double pointsPerPixel = 72.0 / dpi;
  QPdfWriter pdf(&file);
  pdf.setTitle(QStringLiteral("Hygrovia"));
  pdf.setCreator(QStringLiteral("Hygrovia"));
  pdf.setResolution(dpi);
  const QSizeF points(frame->width() * pointsPerPixel, frame->height() * pointsPerPixel);
  pdf.setPageLayout(
      QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                  QPageLayout::Portrait, QMarginsF()));
  QPainter painter;
  if (!painter.begin(&pdf)) return CannotPaint();
  painter.translate(-frame->topLeft());
  painter.drawPicture(0, 0, picture);
  return painter.end() ? QString() : CannotPaint();
}

// The chart page of the chart's page setup, as the chart page printer prints it.
QString WritePdfPage(HeadlessChart& chart, QSaveFile& file) {
  QPdfWriter pdf(&file);
  pdf.setTitle(QStringLiteral("Hygrovia"));
  pdf.setCreator(QStringLiteral("Hygrovia"));
  pdf.setResolution(static_cast<int>(kScreenDotsPerInch));
  pdf.setPageLayout(chart.page.layout);
  return PaintChartPage(chart.settings, pdf, chart.page.title) ? QString() : CannotPaint();
}

using Writer = QString (*)(HeadlessChart&, QSaveFile&);

Writer WriterOf(PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
      return WritePng;
    case PictureFormat::Svg:
      return WriteSvg;
    case PictureFormat::Pdf:
      return WritePdf;
    case PictureFormat::PdfPage:
      return WritePdfPage;
    case PictureFormat::Unknown:
      break;
  }
  return nullptr;
}

std::string CannotWrite(const std::string& fileName, const QString& why) {
  return "cannot write \"" + fileName + "\": " + why.toStdString();
}

}  // namespace

std::string ExportChart(HeadlessChart& chart, const std::string& fileName, PictureFormat format) {
  const Writer write = WriterOf(format);
  if (!write) return "cannot tell the picture format of \"" + fileName + "\"";
  QSaveFile file(QFile::decodeName(QByteArray::fromStdString(fileName)));
  if (!file.open(QIODevice::WriteOnly)) return CannotWrite(fileName, file.errorString());
  const QString error = write(chart, file);
  if (!error.isEmpty()) {
    file.cancelWriting();
    return CannotWrite(fileName, error);
  }
  if (!file.commit()) return CannotWrite(fileName, file.errorString());
  return {};
}

}  // namespace hygrovia
