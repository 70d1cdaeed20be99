#ifndef HYGROVIA_APP_OUTPUT_CHART_PRINTER_H
#define HYGROVIA_APP_OUTPUT_CHART_PRINTER_H

#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPixmap;
class QPrinter;
class QWidget;

namespace hygrovia {

// The resolution of the screen a window's pixels are taken to have when printed.
inline constexpr double kScreenDotsPerInch = 96.0;

// Prints the image at the top-left corner of one page, scaled by the printer's resolution
// over kScreenDotsPerInch so that it keeps about its size on screen (the image's logical
// size, whatever its pixel density); an image larger than the printable area is shrunk to
// fit it, keeping its proportions. Returns the rectangle it went into, in the printer's
// device pixels, or nothing when the printer could not print.
std::optional<QRectF> PrintImage(const QPixmap& image, QPrinter& printer);

// Printing of the main window as it looks on screen: the print dialog, then the window's
// image on one page at about its on-screen size.
class ChartPrinter {
 public:
  static constexpr const char* kErrorCaption = "Hygrovia: Print Error";
  static constexpr const char* kErrorText = "ERROR: The window could not be printed.";

  // What printing needs from the system; tests replace them.
  struct Hooks {
    // Lets the user choose and set up the printer; false when cancelled.
    std::function<bool(QPrinter& printer)> choosePrinter;
    // Tells the user of a failure (text, caption).
    std::function<void(const QString& text, const QString& caption)> showError;
  };

  // The print dialog and message boxes over window.
  static Hooks DefaultHooks(QWidget& window);

  // window must outlive the printer.
  explicit ChartPrinter(QWidget& window);
  ChartPrinter(QWidget& window, Hooks hooks);
  ~ChartPrinter();
  ChartPrinter(const ChartPrinter&) = delete;
  ChartPrinter& operator=(const ChartPrinter&) = delete;

  // Asks for the printer and prints the window on confirmation; a cancel prints nothing. The
  // printer and its settings are kept for the next time.
  void Print();

 private:
  QWidget& window_;
  Hooks hooks_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_CHART_PRINTER_H
