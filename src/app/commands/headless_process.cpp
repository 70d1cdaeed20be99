#include "app/commands/headless_process.h"

#include <filesystem>

#include "data/atomic_file.h"
#include "data/table_text.h"
#include "model/chart_settings.h"
#include "process/process_cells.h"
#include "process/process_table.h"
#include "units/quantity_text.h"

namespace hygrovia {

Result<> WriteProcessCsv(const ChartSettings& chart, double flow, bool given,
                         const std::string& target, std::ostream& out, FlowReference reference) {
  const UnitSystem system = chart.GetUnits().System();
  const bool mass = reference == FlowReference::MassFlow;
  Airflow airflow{flow, mass ? FlowUnit::KilogramsPerSecond : FlowUnit::CubicMetresPerSecond};
  if (system == UnitSystem::Ip) {
    const FlowUnit ipUnit = mass ? FlowUnit::PoundsPerHour : FlowUnit::CubicFeetPerMinute;
    airflow = given ? Airflow{flow, ipUnit} : FlowInSystem(airflow, system);
  }
  ProcessTable table;
  BuildProcessTable(chart, airflow, reference, table);
  const std::string text = CsvText(ProcessTableCells(table, chart.GetUnits()));
  if (target == "-") {
    out << text;
    out.flush();
    if (!out) return Failed("cannot write the process table");
    return Done();
  }
  return WriteFileAtomically(std::filesystem::path(target), text);
}

}  // namespace hygrovia
