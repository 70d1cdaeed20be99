#include "app/dialogs/picture_export.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>
#include <string>
#include <utility>

#include "app/output/window_export.h"
#include "session/chart_session.h"
#include "surface/drawing_surface.h"

namespace hygrovia {

PictureExport::Hooks PictureExport::DefaultHooks(QWidget& window) {
  Hooks hooks;
  hooks.chooseFile = [&window](const QString& folder) { return ChooseExportFile(&window, folder); };
  hooks.choosePngSize = [&window](QSize chartArea) { return ChoosePngSize(&window, chartArea); };
  hooks.showError = [&window](const QString& text, const QString& caption) {
    QMessageBox::critical(&window, caption, text);
  };
  return hooks;
}

PictureExport::PictureExport(ChartSession& session, Hooks hooks)
    : session_(session), hooks_(std::move(hooks)) {}

bool PictureExport::Export(const ChartPageSetup& page, const std::filesystem::path& readFile) {
  if (!hooks_.chooseFile) return false;
  const std::optional<ExportTarget> target = hooks_.chooseFile(lastFolder_);
  if (!target || target->fileName.isEmpty()) return false;
  lastFolder_ = QFileInfo(target->fileName).absolutePath();
  const DrawingSurface& surface = session_.Surface();
  QSize size(surface.DeviceWidth, surface.DeviceHeight);
  if (target->format == PictureFormat::Png) {
    const std::optional<QSize> chosen = hooks_.choosePngSize ? hooks_.choosePngSize(size) : size;
    if (!chosen) return false;
    size = *chosen;
  }
  WindowExportRequest request;
  request.fileName = QFile::encodeName(target->fileName).toStdString();
  request.format = target->format;
  request.size = size;
  request.page = page;
  const Result<> exported = ExportWindowChart(session_, request, readFile);
  if (exported) return true;
  if (hooks_.showError) {
    hooks_.showError(QString::fromStdString(exported.Message()),
                     QString::fromLatin1(kErrorCaption));
  }
  return false;
}

}  // namespace hygrovia
