#include "app/output/window_export.h"

#include <algorithm>

#include "app/commands/headless_options.h"
#include "app/output/headless_export.h"
#include "data/write_target.h"

namespace hygrovia {
namespace {

// The picture's size held to what "--size" accepts.
QSize HeldSize(QSize size) {
  return {std::clamp(size.width(), 1, kLargestPictureSide),
          std::clamp(size.height(), 1, kLargestPictureSide)};
}

}  // namespace

Result<> ExportWindowChart(ChartSession& session, const WindowExportRequest& request,
                           const std::filesystem::path& readFile) {
  const PictureFormat format =
      request.format == PictureFormat::Pdf ? PictureFormat::PdfPage : request.format;
  if (const Result<> apart = CheckNotInput(request.fileName, readFile); !apart) {
    return Failed("cannot write \"" + request.fileName + "\": " + apart.Message());
  }
  return ExportChart(session, {HeldSize(request.size), request.page}, request.fileName, format);
}

}  // namespace hygrovia
