#include "app/output/clipboard_copy.h"

#include <QBuffer>
#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPicture>
#include <QRect>
#include <QWidget>
#include <optional>
#include <utility>

#include "app/output/chart_picture.h"
#include "app/output/qt_canvas.h"

namespace hygrovia {

namespace {

// The image as PNG bytes; empty when the encoding failed, so that no partial PNG is offered.
QByteArray PngBytes(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return png;
}

}  // namespace

ClipboardCopy::Hooks ClipboardCopy::DefaultHooks(QWidget& owner) {
  Hooks hooks;
  hooks.makeCanvas = [] { return std::make_unique<QtCanvas>(); };
  hooks.makePicture = [] { return std::make_unique<QPicture>(); };
  hooks.clipboard = [] { return QGuiApplication::clipboard(); };
  hooks.showError = [&owner](const QString& text, const QString& caption) {
    QMessageBox::critical(&owner, caption, text);
  };
  return hooks;
}

ClipboardCopy::ClipboardCopy(ChartSettings& chart, StatusLine& status, QWidget& owner)
    : ClipboardCopy(chart, status, DefaultHooks(owner)) {}

ClipboardCopy::ClipboardCopy(ChartSettings& chart, StatusLine& status, Hooks hooks)
    : chart_(chart), status_(status), hooks_(std::move(hooks)) {
  if (hooks_.makeCanvas) canvas_ = hooks_.makeCanvas();
}

ClipboardCopy::~ClipboardCopy() = default;

void ClipboardCopy::Copy() {
  if (!canvas_) {
    Fail(kNoCanvasText);
    return;
  }
  const std::unique_ptr<QPicture> picture = hooks_.makePicture ? hooks_.makePicture() : nullptr;
  const std::optional<QRect> frame =
      picture ? RecordChartPicture(chart_, status_, *canvas_, *picture) : std::nullopt;
  const QByteArray svg = frame ? PictureToSvg(*picture, *frame) : QByteArray();
  if (svg.isEmpty()) {
    Fail(kNoPictureText);
    return;
  }
  auto data = std::make_unique<QMimeData>();
  data->setData(QString::fromLatin1(kSvgMimeType), svg);
  // A chart zoomed far in may have no raster rendering; the vector picture still goes.
  const QImage image = PictureToImage(*picture, *frame);
  const QByteArray png = image.isNull() ? QByteArray() : PngBytes(image);
  if (!png.isEmpty()) {
    data->setData(QString::fromLatin1(kPngMimeType), png);
    data->setImageData(image);
  }
  QClipboard* const clipboard = hooks_.clipboard ? hooks_.clipboard() : nullptr;
  if (clipboard != nullptr) clipboard->setMimeData(data.release());
}

void ClipboardCopy::Fail(const char* text) const {
  if (hooks_.showError) {
    hooks_.showError(QString::fromLatin1(text), QString::fromLatin1(kErrorCaption));
  }
}

}  // namespace hygrovia
