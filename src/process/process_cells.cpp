#include "process/process_cells.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "process/process_table.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

struct ColumnTitle {
  std::string_view name;
  Quantity quantity;
};

// In the order of ProcessColumn after the name column.
constexpr std::array<ColumnTitle, kProcessColumnCount - 1> kTitles{{
    {"Dry bulb", Quantity::Temperature},
    {"Relative humidity", Quantity::RelativeHumidity},
    {"Moisture content", Quantity::Moisture},
    {"Vapour pressure", Quantity::VapourPressure},
    {"Specific volume", Quantity::SpecificVolume},
    {"Enthalpy", Quantity::Enthalpy},
    {"Dew point", Quantity::Temperature},
    {"Wet bulb", Quantity::Temperature},
    {"Dry air flow", Quantity::MassFlow},
    {"Sensible", Quantity::HeatRate},
    {"Latent", Quantity::HeatRate},
    {"Total", Quantity::HeatRate},
    {"Moisture rate", Quantity::MoistureRate},
    {"SHR", Quantity::Ratio},
}};

constexpr std::string_view kNameTitle = "Point";
constexpr std::string_view kNoRatio = "-";

class CellWriter {
 public:
  CellWriter(const QuantityText& text, std::vector<std::string>& cells)
      : text_(text), cells_(cells) {}

  void Set(ProcessColumn column, Quantity quantity, double value) {
    Cell(column) = text_.Number(quantity, value);
  }
  std::string& Cell(ProcessColumn column) { return cells_[static_cast<std::size_t>(column)]; }

 private:
  const QuantityText& text_;
  std::vector<std::string>& cells_;
};

void PointCells(const AirProperties& air, CellWriter& out) {
  out.Set(ProcessColumn::DryBulb, Quantity::Temperature, air.DryBulb);
  out.Set(ProcessColumn::RelHumidity, Quantity::RelativeHumidity, air.RelHumidity);
  out.Set(ProcessColumn::Moisture, Quantity::Moisture, air.AbsHumidity);
  out.Set(ProcessColumn::VapPressure, Quantity::VapourPressure, air.VapPressure);
  out.Set(ProcessColumn::Volume, Quantity::SpecificVolume, air.Volume);
  out.Set(ProcessColumn::Enthalpy, Quantity::Enthalpy, air.Enthalpy);
  out.Set(ProcessColumn::DewPoint, Quantity::Temperature, air.DewPoint);
  out.Set(ProcessColumn::WetBulb, Quantity::Temperature, air.WetBulb);
}

void StepCells(const StepLoads& loads, CellWriter& out) {
  out.Set(ProcessColumn::DryBulb, Quantity::TemperatureDifference, loads.DeltaDryBulb);
  out.Set(ProcessColumn::Moisture, Quantity::MoistureDifference, loads.DeltaMoisture);
  out.Set(ProcessColumn::Enthalpy, Quantity::EnthalpyDifference, loads.DeltaEnthalpy);
  out.Set(ProcessColumn::MassFlow, Quantity::MassFlow, loads.MassFlow);
  out.Set(ProcessColumn::Sensible, Quantity::HeatRate, loads.Sensible);
  out.Set(ProcessColumn::Latent, Quantity::HeatRate, loads.Latent);
  out.Set(ProcessColumn::Total, Quantity::HeatRate, loads.Total);
  out.Set(ProcessColumn::MoistureRate, Quantity::MoistureRate, loads.MoistureRate);
  if (loads.SensibleHeatRatio) {
    out.Set(ProcessColumn::SensibleHeatRatio, Quantity::Ratio, *loads.SensibleHeatRatio);
  } else {
    out.Cell(ProcessColumn::SensibleHeatRatio) = kNoRatio;
  }
}

}  // namespace

std::vector<std::string> ProcessTitles(const QuantityText& text) {
  std::vector<std::string> titles;
  titles.reserve(kProcessColumnCount);
  titles.emplace_back(kNameTitle);
  for (const ColumnTitle& title : kTitles) titles.push_back(text.Title(title.name, title.quantity));
  return titles;
}

void ProcessRowCells(const ProcessRow& row, const QuantityText& text,
                     std::vector<std::string>& cells) {
  cells.resize(kProcessColumnCount);
  for (std::string& cell : cells) cell.clear();
  CellWriter out(text, cells);
  out.Cell(ProcessColumn::Name) = row.Name;
  if (row.IsStep) {
    StepCells(row.Loads, out);
  } else {
    PointCells(row.Air, out);
  }
}

TextCells ProcessTableCells(const ProcessTable& table, const QuantityText& text) {
  TextCells cells;
  cells.reserve(table.Rows.size() + 1);
  cells.push_back(ProcessTitles(text));
  for (const ProcessRow& row : table.Rows) ProcessRowCells(row, text, cells.emplace_back());
  return cells;
}

}  // namespace hygrovia
