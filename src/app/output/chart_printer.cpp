#include "app/output/chart_printer.h"

#include <QDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QSizeF>
#include <QWidget>
#include <utility>

#include "app/commands/chart_page.h"

namespace hygrovia {

std::optional<QRectF> PrintImage(const QPixmap& image, QPrinter& printer) {
  const QSizeF logical = image.deviceIndependentSize();
  const double resolution = printer.resolution() / kScreenDotsPerInch;
  const double width = logical.width() * resolution;
  const double height = logical.height() * resolution;
  // A window larger than the printable area is shrunk to it rather than cut off.
  const double fit = ShrinkToFit(width, height, printer.width(), printer.height());
  const QRectF target(0.0, 0.0, width * fit, height * fit);
  QPainter painter;
  if (!painter.begin(&printer)) return std::nullopt;
  painter.drawPixmap(target, image, QRectF(image.rect()));
  if (!painter.end() || printer.printerState() == QPrinter::Error) return std::nullopt;
  return target;
}

ChartPrinter::Hooks ChartPrinter::DefaultHooks(QWidget& window) {
  Hooks hooks;
  hooks.choosePrinter = [&window](QPrinter& printer) {
    QPrintDialog dialog(&printer, &window);
    return dialog.exec() == QDialog::Accepted;
  };
  hooks.showError = [&window](const QString& text, const QString& caption) {
    QMessageBox::critical(&window, caption, text);
  };
  return hooks;
}

ChartPrinter::ChartPrinter(QWidget& window) : ChartPrinter(window, DefaultHooks(window)) {}

ChartPrinter::ChartPrinter(QWidget& window, Hooks hooks)
    : window_(window), hooks_(std::move(hooks)) {}

ChartPrinter::~ChartPrinter() = default;

void ChartPrinter::Print() {
  // Made on first use: finding the system's printers can take a moment.
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!hooks_.choosePrinter || !hooks_.choosePrinter(*printer_)) return;
  // The window rendered as it is now; other windows lying over it do not show.
  const QPixmap image = window_.grab();
  if (!PrintImage(image, *printer_) && hooks_.showError) {
    hooks_.showError(QString::fromLatin1(kErrorText), QString::fromLatin1(kErrorCaption));
  }
}

}  // namespace hygrovia
