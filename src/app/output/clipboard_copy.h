#ifndef HYGROVIA_APP_OUTPUT_CLIPBOARD_COPY_H
#define HYGROVIA_APP_OUTPUT_CLIPBOARD_COPY_H

#include <QString>
#include <functional>
#include <memory>

class QClipboard;
class QPicture;
class QWidget;

namespace hygrovia {

class ChartSettings;
class QtCanvas;
class StatusLine;

// The clipboard copy of the chart: the chart as it shows on screen (zoom, pan, highlight,
// data table, marks and nodes), redrawn as a picture other programs can paste, and put on
// the clipboard as an SVG document ("image/svg+xml"), a vector picture that scales, and as
// a PNG rendering of the same drawing for programs that paste only raster images.
class ClipboardCopy {
 public:
  static constexpr const char* kSvgMimeType = "image/svg+xml";
  static constexpr const char* kPngMimeType = "image/png";
  static constexpr const char* kErrorCaption = "Hygrovia: Memory Error";
  static constexpr const char* kNoCanvasText = "ERROR: Clipboard copy failed.";
  static constexpr const char* kNoPictureText = "ERROR: Could not create metafile.";

  // What the copy needs from the system; tests replace them to make it fail.
  struct Hooks {
    // The canvas pictures are drawn with, made once with the copy; none when it cannot be.
    std::function<std::unique_ptr<QtCanvas>()> makeCanvas;
    // The recording of one copy; none when it cannot be created.
    std::function<std::unique_ptr<QPicture>()> makePicture;
    // The clipboard to fill; none when it cannot be had, and then nothing is copied.
    std::function<QClipboard*()> clipboard;
    // Tells the user of a failure (text, caption).
    std::function<void(const QString& text, const QString& caption)> showError;
  };

  // A plain canvas and picture, the application's clipboard and message boxes over owner.
  static Hooks DefaultHooks(QWidget& owner);

  // The settings (with the surface they draw on) and the status line must outlive the copy.
  ClipboardCopy(ChartSettings& chart, StatusLine& status, QWidget& owner);
  ClipboardCopy(ChartSettings& chart, StatusLine& status, Hooks hooks);
  ~ClipboardCopy();
  ClipboardCopy(const ClipboardCopy&) = delete;
  ClipboardCopy& operator=(const ClipboardCopy&) = delete;

  // Copies the chart. The surface is attached to its screen canvas and control again
  // afterwards, and the screen's picture is left as it was.
  void Copy();

 private:
  void Fail(const char* text) const;

  ChartSettings& chart_;
  StatusLine& status_;
  Hooks hooks_;
  std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_OUTPUT_CLIPBOARD_COPY_H
