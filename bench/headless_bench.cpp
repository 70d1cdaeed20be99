#include <QImage>
#include <QSize>
#include <QTemporaryDir>
#include <string>

#include <benchmark/benchmark.h>

#include "app/commands/headless_options.h"
#include "app/output/headless_chart.h"
#include "app/output/headless_export.h"
#include "app/output/headless_png.h"

namespace hygrovia {
namespace {

// One export of the default chart at the default 1600 by 1200 pixels, in process: drawing,
// encoding and the file written through a temporary file and a rename.
void ExportDefaultChart(benchmark::State& state, PictureFormat format, const char* name) {
  QTemporaryDir dir;
  const std::string file = dir.filePath(QString::fromLatin1(name)).toStdString();
  HeadlessChart chart(QSize(kDefaultPictureWidth, kDefaultPictureHeight));
  for (auto _ : state) {
    if (!ExportChart(chart.session, {chart.area.Size(), chart.page}, file, format)) {
      state.SkipWithError("the export failed");
    }
  }
}

void BM_HeadlessExportPng(benchmark::State& state) {
  ExportDefaultChart(state, PictureFormat::Png, "chart.png");
}
BENCHMARK(BM_HeadlessExportPng)->Unit(benchmark::kMillisecond);

void BM_HeadlessExportSvg(benchmark::State& state) {
  ExportDefaultChart(state, PictureFormat::Svg, "chart.svg");
}
BENCHMARK(BM_HeadlessExportSvg)->Unit(benchmark::kMillisecond);

void BM_HeadlessExportPdf(benchmark::State& state) {
  ExportDefaultChart(state, PictureFormat::Pdf, "chart.pdf");
}
BENCHMARK(BM_HeadlessExportPdf)->Unit(benchmark::kMillisecond);

// The PNG encoding alone, of the default chart's picture.
void BM_EncodeChartPng(benchmark::State& state) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("chart.png"));
  HeadlessChart chart(QSize(kDefaultPictureWidth, kDefaultPictureHeight));
  if (!ExportChart(chart.session, {chart.area.Size(), chart.page}, file.toStdString(),
                   PictureFormat::Png)) {
    state.SkipWithError("the export failed");
    return;
  }
  const QImage picture = QImage(file).convertToFormat(QImage::Format_RGB32);
  for (auto _ : state) benchmark::DoNotOptimize(EncodePng(picture));
}
BENCHMARK(BM_EncodeChartPng)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace hygrovia
