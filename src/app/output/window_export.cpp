#include "app/output/window_export.h"

#include <algorithm>

#include "app/commands/headless_options.h"
#include "app/output/headless_export.h"

namespace hygrovia {
namespace {

// The picture's size held to what "--size" accepts.
QSize HeldSize(QSize size) {
  return {std::clamp(size.width(), 1, kLargestPictureSide),
          std::clamp(size.height(), 1, kLargestPictureSide)};
}

}  // namespace

Result<> ExportWindowChart(ChartSession& session, const WindowExportRequest& request) {
  const PictureFormat format =
      request.format == PictureFormat::Pdf ? PictureFormat::PdfPage : request.format;
  return ExportChart(session, {HeldSize(request.size), request.page}, request.fileName, format);
}

}  // namespace hygrovia
