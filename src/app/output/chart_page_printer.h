#ifndef HYGROVIA_APP_OUTPUT_CHART_PAGE_PRINTER_H
#define HYGROVIA_APP_OUTPUT_CHART_PAGE_PRINTER_H

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

#include "app/commands/chart_page.h"

class QPaintDevice;
class QPrinter;
class QWidget;

namespace hygrovia {

class ChartSettings;

// A chart page to be written: its paper, orientation and margins, and its title block.
struct ChartPageSetup {
  QPageLayout layout;
  ChartPageTitle title;
};

// The page a chart is printed on until the user chooses another: A4, or Letter where the
// locale measures in inches, upright, with margins of 15 mm.
QPageLayout DefaultChartPageLayout();

// The title block of a page printed today of the chart file chartFile (empty when the chart
// was never opened or saved), which it names without its folder.
ChartPageTitle TodaysPageTitle(const QString& chartFile);

// Paints the chart page (DrawChartPage) on one page of a printer or PDF writer, its paint
// area being the printable area, in the chart's 8 point font. Lines and marks keep the width
// they have on screen where the device has the screen's resolution (kScreenDotsPerInch), as
// the chart page printer and the page export make it. False when the device cannot be painted
// on or the printer reports an error.
bool PaintChartPage(ChartSettings& chart, QPaintDevice& device, const ChartPageTitle& title);

// Printing of the chart alone: a print preview of the chart page, from which the user prints
// it on paper or to a PDF file.
class ChartPagePrinter {
 public:
  static constexpr const char* kErrorCaption = "Hygrovia: Print Error";
  static constexpr const char* kErrorText = "ERROR: The chart could not be printed.";

  // Paints the page on the printer handed over; false when it failed.
  using PagePainter = std::function<bool(QPrinter& printer)>;

  // What printing needs from the system; tests replace them.
  struct Hooks {
    // Shows the pages that paint draws and prints them when the user asks; paint runs once
    // for each showing and once for the printing.
    std::function<void(QPrinter& printer, const PagePainter& paint)> preview;
    // Tells the user of a failure (text, caption).
    std::function<void(const QString& text, const QString& caption)> showError;
  };

  // Qt's print preview dialog and message boxes over window.
  static Hooks DefaultHooks(QWidget& window);

  // The chart (with its surface) must outlive the printer.
  ChartPagePrinter(ChartSettings& chart, Hooks hooks);
  ~ChartPagePrinter();
  ChartPagePrinter(const ChartPagePrinter&) = delete;
  ChartPagePrinter& operator=(const ChartPagePrinter&) = delete;

  // Previews the chart page and prints it when the user asks; a failed painting of the last
  // page is told to the user. The printer and its page setup are kept for the next time.
  void Print(const ChartPageTitle& title);

  // The page of the last printing, or the default page before the first.
  QPageLayout PageLayout() const;

 private:
  QPrinter& Printer();

  ChartSettings& chart_;
  Hooks hooks_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_CHART_PAGE_PRINTER_H
