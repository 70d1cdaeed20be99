#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "app/output/chart_page_printer.h"
#include "model/chart_settings.h"
#include "session/chart_session.h"

namespace hygrovia {
namespace {

// Print chart of the default chart with 24 data points, in process: the chart page laid out,
// drawn through the chart's surface and written to a PDF file by the printer, as when the
// user prints to a PDF file from the preview.
void BM_PrintChartToPdf(benchmark::State& state) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("chart.pdf"));
  ChartSession session;
  ChartSettings& chart = session.Settings();
  for (int i = 0; i < NodeList::kCapacity; ++i) {
    const auto step = static_cast<float>(i);
    chart.Nodes.AppendPoint(2.0f + 1.9f * step, 2.0f + 0.4f * step);
  }
  ChartPagePrinter::Hooks hooks;
  hooks.preview = [&file](QPrinter& printer, const ChartPagePrinter::PagePainter& paint) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    paint(printer);
  };
  bool failed = false;
  hooks.showError = [&failed](const QString&, const QString&) { failed = true; };
  ChartPagePrinter printer(chart, hooks);
  const ChartPageTitle title{"office.hgv", "2024-05-01"};
  for (auto _ : state) {
    printer.Print(title);
    if (failed) state.SkipWithError("the page was not printed");
  }
  state.counters["bytes"] = static_cast<double>(QFile(file).size());
}
BENCHMARK(BM_PrintChartToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hygrovia
