#ifndef HYGROVIA_APP_DIALOGS_PICTURE_EXPORT_H
#define HYGROVIA_APP_DIALOGS_PICTURE_EXPORT_H

#include <QSize>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

#include "app/dialogs/export_dialog.h"
#include "app/output/chart_page_printer.h"

class QWidget;

namespace hygrovia {

class ChartSession;

// The window's "Export picture..." command: a file chosen as PNG, SVG or PDF, a size for a
// PNG image, and the chart written as the command line's export writes it. The folder of the
// last export is where the next one starts.
class PictureExport {
 public:
  static constexpr const char* kErrorCaption = "Hygrovia: Export Error";

  // What the export needs from the user; tests replace them.
  struct Hooks {
    // The file to write, starting in folder; nothing when cancelled.
    std::function<std::optional<ExportTarget>(const QString& folder)> chooseFile;
    // The size of a PNG image, offering the chart area's; nothing when cancelled.
    std::function<std::optional<QSize>(QSize chartArea)> choosePngSize;
    // Tells the user why the picture was not written (text, caption).
    std::function<void(const QString& text, const QString& caption)> showError;
  };

  // The dialogs and message boxes over window.
  static Hooks DefaultHooks(QWidget& window);

  // The chart (with its surface, whose device is the chart area) must outlive the export.
  PictureExport(ChartSession& session, Hooks hooks);

  // Asks for the file (and the size of a PNG image) and writes the chart; a PDF file gets
  // the chart page described by page. The file the window reads, readFile (its weather), is
  // never replaced. Returns true when a file was written.
  bool Export(const ChartPageSetup& page, const std::filesystem::path& readFile = {});

  const QString& LastFolder() const { return lastFolder_; }

 private:
  ChartSession& session_;
  Hooks hooks_;
  QString lastFolder_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_DIALOGS_PICTURE_EXPORT_H
