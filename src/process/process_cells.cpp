#include "process/process_cells.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "process/process_table.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

struct ColumnTitle {
  std::string_view name;
  Quantity quantity;
};

// In the order of ProcessColumn after the two name columns.
constexpr std::array<ColumnTitle, kProcessColumnCount - 2> kTitles{{
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
    {"Total", Quantity::Ratio},
    {"Moisture rate", Quantity::MoistureRate},
    {"SHR", Quantity::Ratio},
    {"ADP", Quantity::Temperature},
    {"Bypass factor", Quantity::Ratio},
    {"Contact factor", Quantity::Ratio},
}};
static_assert(kTitles.back().name == "Contact factor", "a title for every column");

constexpr std::string_view kNameTitle = "Point";
constexpr std::string_view kStateNameTitle = "Name";
constexpr std::string_view kTonsTitle = "Total (tons)";
constexpr std::string_view kNoRatio = "-";
constexpr double kBtuPerHourInATon = 12000.0;
constexpr int kTonDecimals = 2;

constexpr std::array<ProcessColumn, kProcessColumnCount> kAllColumns = [] {
  std::array<ProcessColumn, kProcessColumnCount> all{};
  for (int i = 0; i < kProcessColumnCount; ++i) all[std::size_t(i)] = ProcessColumn(i);
  return all;
}();

// Every column but the tons.
constexpr std::array<ProcessColumn, kProcessColumnCount - 1> kSiColumns = [] {
  std::array<ProcessColumn, kProcessColumnCount - 1> si{};
  std::size_t used = 0;
  for (const ProcessColumn c : kAllColumns) {
    if (c != ProcessColumn::Tons) si[used++] = c;
  }
  return si;
}();

class CellWriter {
 public:
  CellWriter(const QuantityText& text, std::vector<std::string>& cells)
      : text_(text), cells_(cells) {}

  void Set(ProcessColumn column, Quantity quantity, double value) {
    Cell(column) = text_.Number(quantity, value);
  }
  std::string& Cell(ProcessColumn column) { return cells_[static_cast<std::size_t>(column)]; }
  const QuantityText& Text() const { return text_; }

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

void CoilCells(const std::optional<CoilFigures>& coil, bool coolsAndDries, CellWriter& out) {
  if (coil) {
    out.Set(ProcessColumn::ApparatusDewPoint, Quantity::Temperature, coil->ApparatusDewPoint);
    out.Set(ProcessColumn::BypassFactor, Quantity::Ratio, coil->BypassFactor);
    out.Set(ProcessColumn::ContactFactor, Quantity::Ratio, coil->ContactFactor);
  } else if (coolsAndDries) {
    // A coil whose line never reaches saturation has no apparatus dew point.
    for (const ProcessColumn c : {ProcessColumn::ApparatusDewPoint, ProcessColumn::BypassFactor,
                                  ProcessColumn::ContactFactor}) {
      out.Cell(c) = kNoRatio;
    }
  }
}

void StepCells(const StepLoads& loads, CellWriter& out) {
  out.Set(ProcessColumn::DryBulb, Quantity::TemperatureDifference, loads.DeltaDryBulb);
  out.Set(ProcessColumn::Moisture, Quantity::MoistureDifference, loads.DeltaMoisture);
  out.Set(ProcessColumn::Enthalpy, Quantity::EnthalpyDifference, loads.DeltaEnthalpy);
  out.Set(ProcessColumn::MassFlow, Quantity::MassFlow, loads.MassFlow);
  out.Set(ProcessColumn::Sensible, Quantity::HeatRate, loads.Sensible);
  out.Set(ProcessColumn::Latent, Quantity::HeatRate, loads.Latent);
  out.Set(ProcessColumn::Total, Quantity::HeatRate, loads.Total);
  const double tons = out.Text().Shown(Quantity::HeatRate, loads.Total) / kBtuPerHourInATon;
  out.Cell(ProcessColumn::Tons) = out.Text().Number(Quantity::Ratio, tons, kTonDecimals);
  out.Set(ProcessColumn::MoistureRate, Quantity::MoistureRate, loads.MoistureRate);
  if (loads.SensibleHeatRatio) {
    out.Set(ProcessColumn::SensibleHeatRatio, Quantity::Ratio, *loads.SensibleHeatRatio);
  } else {
    out.Cell(ProcessColumn::SensibleHeatRatio) = kNoRatio;
  }
  CoilCells(loads.Coil, loads.DeltaDryBulb < 0.0 && loads.DeltaMoisture < 0.0, out);
}

// Keeps the cells of the columns shown, in their order.
void KeepShown(const QuantityText& text, std::vector<std::string>& cells) {
  const std::span<const ProcessColumn> shown = ProcessColumns(text);
  if (shown.size() == cells.size()) return;
  std::size_t used = 0;
  for (const ProcessColumn c : shown) {
    const auto from = static_cast<std::size_t>(c);
    if (from != used) cells[used] = std::move(cells[from]);
    ++used;
  }
  cells.resize(used);
}

}  // namespace

std::span<const ProcessColumn> ProcessColumns(const QuantityText& text) {
  if (text.System() == UnitSystem::Ip) return kAllColumns;
  return kSiColumns;
}

std::vector<std::string> ProcessTitles(const QuantityText& text, FlowReference reference) {
  std::vector<std::string> titles;
  titles.reserve(kProcessColumnCount);
  titles.emplace_back(kNameTitle);
  titles.emplace_back(kStateNameTitle);
  for (std::size_t i = 0; i < kTitles.size(); ++i) {
    const ColumnTitle& title = kTitles[i];
    const auto column = static_cast<ProcessColumn>(i + 2);
    if (column == ProcessColumn::Tons) {
      titles.emplace_back(kTonsTitle);
    } else if (column == ProcessColumn::MassFlow && reference != FlowReference::FirstPoint) {
      titles.push_back(
          text.Title(std::string(title.name) + ", " + ReferenceText(reference, text.System()),
                     title.quantity));
    } else {
      titles.push_back(text.Title(title.name, title.quantity));
    }
  }
  KeepShown(text, titles);
  return titles;
}

void ProcessRowCells(const ProcessRow& row, const QuantityText& text,
                     std::vector<std::string>& cells) {
  cells.resize(kProcessColumnCount);
  for (std::string& cell : cells) cell.clear();
  CellWriter out(text, cells);
  out.Cell(ProcessColumn::Name) = row.Name;
  out.Cell(ProcessColumn::StateName) = row.StateName;
  if (row.IsStep) {
    StepCells(row.Loads, out);
  } else {
    PointCells(row.Air, out);
  }
  KeepShown(text, cells);
}

TextCells ProcessTableCells(const ProcessTable& table, const QuantityText& text) {
  TextCells cells;
  cells.reserve(table.Rows.size() + 1);
  cells.push_back(ProcessTitles(text, table.Reference));
  for (const ProcessRow& row : table.Rows) ProcessRowCells(row, text, cells.emplace_back());
  return cells;
}

}  // namespace hygrovia
