#include "app/commands/headless_process.h"

#include <filesystem>

#include "model/chart_settings.h"
#include "process/process_cells.h"
#include "process/process_table.h"
#include "units/quantity_text.h"
#include "data/atomic_file.h"
#include "data/table_text.h"

namespace hygrovia {

Result<> WriteProcessCsv(const ChartSettings& chart, double flow, bool given,
                            const std::string& target, std::ostream& out) {
  const UnitSystem system = chart.GetUnits().System();
  Airflow airflow{flow, FlowUnit::CubicMetresPerSecond};
  if (system == UnitSystem::Ip) {
    airflow = given ? Airflow{flow, FlowUnit::CubicFeetPerMinute} : FlowInSystem(airflow, system);
  }
  ProcessTable table;
  BuildProcessTable(chart, airflow, table);
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
