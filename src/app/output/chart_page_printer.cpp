#include "app/output/chart_page_printer.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageSize>
#include <QPaintDevice>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>
#include <utility>

#include "app/output/chart_printer.h"
#include "app/output/qt_canvas.h"

namespace hygrovia {
namespace {

constexpr double kMarginMillimetres = 15.0;

}  // namespace

QPageLayout DefaultChartPageLayout() {
  const bool inches = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
  const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                          kMarginMillimetres);
  return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                     margins, QPageLayout::Millimeter);
}

ChartPageTitle TodaysPageTitle(const QString& chartFile) {
  ChartPageTitle title;
  if (!chartFile.isEmpty()) title.fileName = QFileInfo(chartFile).fileName().toStdString();
  title.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
  return title;
}

bool PaintChartPage(ChartSettings& chart, QPaintDevice& device, const ChartPageTitle& title) {
  {
    QtCanvas canvas;
    canvas.SetFont(QStringLiteral("Arial"), 8);
    canvas.SetDevice(&device);
    if (canvas.Device() == nullptr) return false;
    DrawChartPage(chart, canvas, PageBox{0, 0, device.width(), device.height()}, title);
  }
  if (device.devType() != QInternal::Printer) return true;
  return static_cast<QPrinter&>(device).printerState() != QPrinter::Error;
}

ChartPagePrinter::Hooks ChartPagePrinter::DefaultHooks(QWidget& window) {
  Hooks hooks;
  hooks.preview = [&window](QPrinter& printer, const PagePainter& paint) {
    QPrintPreviewDialog dialog(&printer, &window);
    dialog.setWindowTitle(QStringLiteral("Print Chart"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* shown) { paint(*shown); });
    dialog.exec();
  };
  hooks.showError = [&window](const QString& text, const QString& caption) {
    QMessageBox::critical(&window, caption, text);
  };
  return hooks;
}

ChartPagePrinter::ChartPagePrinter(ChartSettings& chart, Hooks hooks)
    : chart_(chart), hooks_(std::move(hooks)) {}

ChartPagePrinter::~ChartPagePrinter() = default;

QPrinter& ChartPagePrinter::Printer() {
  // Made on first use: finding the system's printers can take a moment.
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer_->setPageLayout(DefaultChartPageLayout());
  }
  return *printer_;
}

QPageLayout ChartPagePrinter::PageLayout() const {
  return printer_ ? printer_->pageLayout() : DefaultChartPageLayout();
}

void ChartPagePrinter::Print(const ChartPageTitle& title) {
  if (!hooks_.preview) return;
  bool painted = true;
  const PagePainter paint = [this, &title, &painted](QPrinter& printer) {
    // The page is laid out at the screen's resolution whatever the printer's, so that lines
    // and marks keep their width; the printer's own dialog may have changed it.
    printer.setResolution(static_cast<int>(kScreenDotsPerInch));
    painted = PaintChartPage(chart_, printer, title);
    return painted;
  };
  hooks_.preview(Printer(), paint);
  if (!painted && hooks_.showError) {
    hooks_.showError(QString::fromLatin1(kErrorText), QString::fromLatin1(kErrorCaption));
  }
}

}  // namespace hygrovia
