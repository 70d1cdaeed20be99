#include "app/dialogs/graph_form.h"

#include <QByteArray>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "app/widgets/checked_field.h"
#include "app/widgets/dialog_layout.h"
#include "app/widgets/field_checker.h"
#include "app/widgets/number_field.h"
#include "base/chart_limits.h"
#include "base/number_text.h"
#include "expr/expression_evaluator.h"
#include "model/chart_settings.h"
#include "psychro/ashrae_model.h"

namespace hygrovia {
namespace {

constexpr int kWidth = 299;
constexpr int kHeight = 318;

constexpr const char* kPressureFormat = "%0.3f";
constexpr const char* kRangeFormat = "%0.1f";
constexpr const char* kSnapFormat = "%0.3f";
constexpr const char* kPointFormat = "%0.2f";
constexpr const char* kAltitudeFormat = "%0.0f";

// PointInUnits and SetPointFromUnits tell the two points apart by this argument.
constexpr int kCursor = 0;
constexpr int kArrow = 1;

// A value as a field shows it: within the float range, so that its text reads back.
float NarrowedToFloat(double value) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -kLargest, kLargest));
}

// The barometric pressure of a new chart, kPa; the pressure's caption shows it.
constexpr double kDefaultPressure = 101.365;

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The quantity of the vertical value in a unit of the vertical axis; any other value reads
// as relative humidity.
Quantity VerticalQuantity(int units) {
  switch (units) {
    case VerticalAxisUnits::AbsoluteHumidity:
      return Quantity::Moisture;
    case VerticalAxisUnits::VapourPressure:
      return Quantity::VapourPressure;
    default:
      return Quantity::RelativeHumidity;
  }
}

// A unit of the vertical axis by name and unit ("Absolute Humidity (g/kg)").
QString AxisUnitName(int units, const QuantityText& text) {
  const Quantity quantity = VerticalQuantity(units);
  const std::string_view name = quantity == Quantity::Moisture         ? "Absolute Humidity"
                                : quantity == Quantity::VapourPressure ? "Vapour Pressure"
                                                                       : "Relative Humidity";
  return Utf8(text.Title(name, quantity));
}

// Caption of the vertical value's label for a unit; these carry no access key.
QString AxisCaption(int units, const QuantityText& text) {
  return AxisUnitName(units, text) + QLatin1Char(':');
}

// Rows of a range group: the labels on the left, the fields on the right.
QGroupBox* MakeRangeGroup(QWidget* parent, const char* name, const char* caption) {
  auto* group = new QGroupBox(QString::fromLatin1(caption), parent);
  group->setObjectName(QString::fromLatin1(name));
  TightenInner(*new QGridLayout(group));
  return group;
}

void AddRow(QGroupBox& group, int row, QLabel* label, QLineEdit* field) {
  auto* grid = static_cast<QGridLayout*>(group.layout());
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
}

}  // namespace

TGraphForm::TGraphForm(ChartSettings& settings, ExpressionEvaluator& evaluator, QWidget* parent)
    : QDialog(parent), settings_(settings), evaluator_(evaluator) {
  setWindowTitle(QStringLiteral("Hygrovia: Chart Settings"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  CreatePressureRow();
  CreatePropertiesRow();
  CreateRangeGroups();
  CreateCursorGroup();
  CreateButtons();
  CreateChecker();
  LayOut();
  connect(UnitsCombo, &QComboBox::currentIndexChanged, this, &TGraphForm::UnitsComboChange);
  connect(UnitSystemCombo, &QComboBox::currentIndexChanged, this,
          &TGraphForm::UnitSystemComboChange);
  connect(BarEdit, &QLineEdit::textEdited, this, &TGraphForm::BarEditEdited);
  connect(AltitudeEdit, &QLineEdit::textEdited, this, &TGraphForm::AltitudeEditEdited);
  connect(OKButton, &QPushButton::clicked, this, &TGraphForm::OKButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &TGraphForm::reject);
}

int TGraphForm::Execute() {
  FillFromSettings();
  return exec();
}

QLineEdit* TGraphForm::AddEdit(QWidget* parent, const char* name, const char* text,
                               const char* hint) {
  auto* edit = new QLineEdit(QString::fromLatin1(text), parent);
  edit->setObjectName(QString::fromLatin1(name));
  if (hint != nullptr) edit->setToolTip(QString::fromLatin1(hint));
  return edit;
}

QLabel* TGraphForm::AddLabel(QWidget* parent, const char* name, const QString& caption,
                             QWidget* buddy) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setBuddy(buddy);
  return label;
}

void TGraphForm::CreatePressureRow() {
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  BarEdit =
      AddEdit(Panel1, "BarEdit", "101.365", "Barometric pressure for which chart is calculated");
  Label1 =
      AddLabel(Panel1, "Label1", QStringLiteral("&Barometric Pressure (kPa) [101.365]:"), BarEdit);
  auto* row = new QHBoxLayout(Panel1);
  TightenInner(*row);
  row->setContentsMargins(4, 4, 4, 4);
  row->addWidget(Label1);
  row->addWidget(BarEdit);
}

void TGraphForm::CreatePropertiesRow() {
  Panel2 = new QFrame(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  AltitudeEdit = AddEdit(Panel2, "AltitudeEdit", "",
                         "Altitude of the barometric pressure (standard atmosphere)");
  AltitudeLabel = AddLabel(Panel2, "AltitudeLabel", QStringLiteral("Al&titude (m):"), AltitudeEdit);
  PropertiesCombo = new QComboBox(Panel2);
  PropertiesCombo->setObjectName(QStringLiteral("PropertiesCombo"));
  for (const PropertyModel model : {PropertyModel::ChartFormulas, PropertyModel::Ashrae2017}) {
    const std::string_view name = PropertyModelName(model);
    PropertiesCombo->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }
  PropertiesLabel =
      AddLabel(Panel2, "PropertiesLabel", QStringLiteral("Prop&erties:"), PropertiesCombo);
  StyleCombo = new QComboBox(Panel2);
  StyleCombo->setObjectName(QStringLiteral("StyleCombo"));
  for (const ChartStyleName style : {ChartStyleName::Classic, ChartStyleName::Clear}) {
    const std::string_view name = ChartStyleText(style);
    StyleCombo->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }
  StyleLabel = AddLabel(Panel2, "StyleLabel", QStringLiteral("St&yle:"), StyleCombo);
  UnitSystemCombo = new QComboBox(Panel2);
  UnitSystemCombo->setObjectName(QStringLiteral("UnitSystemCombo"));
  UnitSystemCombo->addItems({QStringLiteral("SI"), QStringLiteral("IP")});
  UnitSystemCombo->setToolTip(
      QStringLiteral("SI units, or inch-pound units (\u00B0F, gr/lb, psia)"));
  UnitSystemLabel = AddLabel(Panel2, "UnitSystemLabel", QStringLiteral("&Units:"), UnitSystemCombo);
  auto* row = new QHBoxLayout(Panel2);
  row->addWidget(AltitudeLabel);
  row->addWidget(AltitudeEdit);
  row->addWidget(PropertiesLabel);
  row->addWidget(PropertiesCombo);
  row->addWidget(StyleLabel);
  row->addWidget(StyleCombo);
  row->addWidget(UnitSystemLabel);
  row->addWidget(UnitSystemCombo);
}

void TGraphForm::CreateRangeGroups() {
  GroupBox1 = MakeRangeGroup(this, "GroupBox1", " Temperature (Celcius) ");
  MaxDBEdit = AddEdit(GroupBox1, "MaxDBEdit", "50.0", "Max temperature range");
  MinDBEdit = AddEdit(GroupBox1, "MinDBEdit", "0.0", "Min temperature range");
  SnapDBEdit = AddEdit(GroupBox1, "SnapDBEdit", "0.100", "Cursor snap increment");
  Label2 = AddLabel(GroupBox1, "Label2", QStringLiteral("Ma&ximum:"), MaxDBEdit);
  Label3 = AddLabel(GroupBox1, "Label3", QStringLiteral("Mi&nimum:"), MinDBEdit);
  SnapLabel = AddLabel(GroupBox1, "SnapLabel", QStringLiteral("&Snap:"), SnapDBEdit);
  AddRow(*GroupBox1, 0, Label2, MaxDBEdit);
  AddRow(*GroupBox1, 1, Label3, MinDBEdit);
  AddRow(*GroupBox1, 2, SnapLabel, SnapDBEdit);

  GroupBox2 = MakeRangeGroup(this, "GroupBox2", " Absolute Humidity (g/kg) ");
  MaxAHEdit = AddEdit(GroupBox2, "MaxAHEdit", "35.0", "Max moisture content range");
  MinAHEdit = AddEdit(GroupBox2, "MinAHEdit", "0.0", "Min moisture content range");
  SnapAHEdit = AddEdit(GroupBox2, "SnapAHEdit", "0.100", "Cursor snap increment");
  Label4 = AddLabel(GroupBox2, "Label4", QStringLiteral("M&aximum:"), MaxAHEdit);
  Label5 = AddLabel(GroupBox2, "Label5", QStringLiteral("M&inimum:"), MinAHEdit);
  Label6 = AddLabel(GroupBox2, "Label6", QStringLiteral("Sna&p:"), SnapAHEdit);
  AddRow(*GroupBox2, 0, Label4, MaxAHEdit);
  AddRow(*GroupBox2, 1, Label5, MinAHEdit);
  AddRow(*GroupBox2, 2, Label6, SnapAHEdit);
}

void TGraphForm::CreateCursorGroup() {
  GroupBox3 = new QGroupBox(QStringLiteral(" Cursor Position "), this);
  GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
  StartXEdit = AddEdit(GroupBox3, "StartXEdit", "", "X position of current cursor");
  EndXEdit = AddEdit(GroupBox3, "EndXEdit", "Unused", nullptr);
  StartYEdit = AddEdit(GroupBox3, "StartYEdit", "", "Y position of current cursor");
  EndYEdit = AddEdit(GroupBox3, "EndYEdit", "Unused", nullptr);
  UnitsCombo = new QComboBox(GroupBox3);
  UnitsCombo->setObjectName(QStringLiteral("UnitsCombo"));
  UnitsCombo->addItems({QStringLiteral("Relative Humidity (%)"),
                        QStringLiteral("Absolute Humidity (g/kg)"),
                        QStringLiteral("Vapour Pressure (kPa)")});
  // The list opens as wide as its items; the closed box need not be, where the fonts are wide.
  UnitsCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  UnitsCombo->setMinimumContentsLength(12);
  Label7 =
      AddLabel(GroupBox3, "Label7", QString::fromUtf8("&Dry Bulb Temperature (°C):"), StartXEdit);
  AxisLabel =
      AddLabel(GroupBox3, "AxisLabel", QStringLiteral("&Relative Humidity (%):"), StartYEdit);
  Label9 = AddLabel(GroupBox3, "Label9", QStringLiteral("&Vertical Axis Units:"), UnitsCombo);
  auto* grid = new QGridLayout(GroupBox3);
  TightenInner(*grid);
  grid->addWidget(Label7, 0, 0);
  grid->addWidget(StartXEdit, 0, 1);
  grid->addWidget(EndXEdit, 0, 2);
  grid->addWidget(AxisLabel, 1, 0);
  grid->addWidget(StartYEdit, 1, 1);
  grid->addWidget(EndYEdit, 1, 2);
  grid->addWidget(Label9, 2, 0);
  grid->addWidget(UnitsCombo, 2, 1, 1, 2);
}

void TGraphForm::CreateButtons() {
  OKButton = new QPushButton(QStringLiteral("&OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
}

void TGraphForm::CreateChecker() {
  FieldNote = MakeFieldNote(this);
  checker_ = new FieldChecker(evaluator_, *FieldNote, this);
  const std::pair<QLineEdit*, const char*> fields[] = {
      {BarEdit, kPressureFormat}, {MaxDBEdit, kPointFormat},  {MinDBEdit, kPointFormat},
      {SnapDBEdit, kSnapFormat},  {MaxAHEdit, kPointFormat},  {MinAHEdit, kPointFormat},
      {SnapAHEdit, kSnapFormat},  {StartXEdit, kPointFormat}, {StartYEdit, kPointFormat},
      {EndXEdit, kPointFormat},   {EndYEdit, kPointFormat},   {AltitudeEdit, kAltitudeFormat},
  };
  for (const auto& [field, format] : fields) checker_->Watch(*field, format);
}

void TGraphForm::LayOut() {
  auto* ranges = new QHBoxLayout;
  ranges->setSpacing(4);
  ranges->addWidget(GroupBox1);
  ranges->addWidget(GroupBox2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  auto* form = new QVBoxLayout(this);
  TightenOuter(*form);
  form->addWidget(Panel1);
  form->addWidget(Panel2);
  form->addLayout(ranges);
  form->addWidget(GroupBox3);
  form->addWidget(FieldNote);
  form->addStretch();
  form->addLayout(buttons);
  FitNumberFields(*this);
  SizeDialog(*this, QSize(kWidth, kHeight));
}

void TGraphForm::FillFromSettings() {
  units_ = settings_.GetUnits();
  {
    const QSignalBlocker quiet(UnitSystemCombo);
    UnitSystemCombo->setCurrentIndex(static_cast<int>(units_.System()));
  }
  float tMin = 0.0f;
  float hMin = 0.0f;
  float tMax = 0.0f;
  float hMax = 0.0f;
  settings_.GetRanges(tMin, hMin, tMax, hMax);
  WriteShown(*BarEdit, kPressureFormat, Quantity::Pressure, settings_.GetPressure());
  WriteShown(*MaxDBEdit, kRangeFormat, Quantity::Temperature, tMax);
  WriteShown(*MinDBEdit, kRangeFormat, Quantity::Temperature, tMin);
  WriteShown(*SnapDBEdit, kSnapFormat, Quantity::TemperatureDifference, settings_.TempSnap);
  WriteShown(*MaxAHEdit, kRangeFormat, Quantity::Moisture, hMax);
  WriteShown(*MinAHEdit, kRangeFormat, Quantity::Moisture, hMin);
  WriteShown(*SnapAHEdit, kSnapFormat, Quantity::MoistureDifference, settings_.HumiditySnap);
  const int units = settings_.GetVerticalAxisUnits();
  const Quantity vertical = VerticalQuantity(units);
  const ChartPoint cursor = settings_.PointInUnits(kCursor);
  WriteShown(*StartXEdit, kPointFormat, Quantity::Temperature, cursor.X);
  WriteShown(*StartYEdit, kPointFormat, vertical, cursor.Y);
  const ChartPoint arrow = settings_.PointInUnits(kArrow);
  WriteShown(*EndXEdit, kPointFormat, Quantity::Temperature, arrow.X);
  WriteShown(*EndYEdit, kPointFormat, vertical, arrow.Y);
  const QSignalBlocker quiet(UnitsCombo);
  // A unit outside the list reads as relative humidity everywhere, so it shows as such.
  UnitsCombo->setCurrentIndex(units >= 0 && units < UnitsCombo->count() ? units : 0);
  SetUnitCaptions();
  SetAxisCaption(units);
  FillProperties();
  checker_->Reset();
}

void TGraphForm::FillProperties() {
  PropertiesCombo->setCurrentIndex(static_cast<int>(settings_.GetPropertyModel()));
  StyleCombo->setCurrentIndex(static_cast<int>(settings_.GetChartStyle()));
  WriteShown(*AltitudeEdit, kAltitudeFormat, Quantity::Altitude,
             static_cast<float>(ashrae::AltitudeAtPressure(settings_.GetPressure())));
}

void TGraphForm::SetUnitCaptions() {
  const QuantityText& u = units_;
  Label1->setText(QStringLiteral("&Barometric Pressure (") + Utf8(u.Unit(Quantity::Pressure)) +
                  QStringLiteral(") [") +
                  QString::fromStdString(u.Number(Quantity::Pressure, kDefaultPressure)) +
                  QStringLiteral("]:"));
  AltitudeLabel->setText(QStringLiteral("Al&titude (") + Utf8(u.Unit(Quantity::Altitude)) +
                         QStringLiteral("):"));
  GroupBox1->setTitle(QStringLiteral(" Temperature (") + Utf8(u.Spelled(Quantity::Temperature)) +
                      QStringLiteral(") "));
  GroupBox2->setTitle(QStringLiteral(" Absolute Humidity (") + Utf8(u.Unit(Quantity::Moisture)) +
                      QStringLiteral(") "));
  Label7->setText(QStringLiteral("&Dry Bulb Temperature (") + Utf8(u.Unit(Quantity::Temperature)) +
                  QStringLiteral("):"));
  for (int units = 0; units < UnitsCombo->count(); ++units) {
    UnitsCombo->setItemText(units, AxisUnitName(units, u));
  }
  SetAxisCaption(UnitsCombo->currentIndex());
}

void TGraphForm::WriteShown(QLineEdit& field, const char* format, Quantity quantity, double value) {
  WriteNumber(field, format, NarrowedToFloat(units_.Shown(quantity, value)));
}

float TGraphForm::ReadShown(const QLineEdit& field, Quantity quantity) const {
  // What is not a finite number stays what it is, for the setters to refuse.
  const float typed = FieldNumber(evaluator_, field);
  if (!std::isfinite(typed)) return typed;
  return NarrowedToFloat(units_.FromShown(quantity, typed));
}

void TGraphForm::UnitSystemComboChange(int index) {
  const QuantityText next = QuantityText::Of(index == 1 ? UnitSystem::Ip : UnitSystem::Si);
  const Quantity vertical = VerticalQuantity(UnitsCombo->currentIndex());
  const std::tuple<QLineEdit*, const char*, Quantity> fields[] = {
      {BarEdit, kPressureFormat, Quantity::Pressure},
      {AltitudeEdit, kAltitudeFormat, Quantity::Altitude},
      {MaxDBEdit, kRangeFormat, Quantity::Temperature},
      {MinDBEdit, kRangeFormat, Quantity::Temperature},
      {SnapDBEdit, kSnapFormat, Quantity::TemperatureDifference},
      {MaxAHEdit, kRangeFormat, Quantity::Moisture},
      {MinAHEdit, kRangeFormat, Quantity::Moisture},
      {SnapAHEdit, kSnapFormat, Quantity::MoistureDifference},
      {StartXEdit, kPointFormat, Quantity::Temperature},
      {StartYEdit, kPointFormat, vertical},
      {EndXEdit, kPointFormat, Quantity::Temperature},
      {EndYEdit, kPointFormat, vertical},
  };
  // What is typed is kept as the same air, shown in the new units; a field without a value
  // keeps its text for the checker to mark.
  for (const auto& [field, format, quantity] : fields) {
    if (const std::optional<double> value = FiniteValue(field->text())) {
      const double si = units_.FromShown(quantity, *value);
      WriteNumber(*field, format, NarrowedToFloat(next.Shown(quantity, si)));
    }
  }
  units_ = next;
  SetUnitCaptions();
}

std::optional<double> TGraphForm::FiniteValue(const QString& text) const {
  const Result<double> value = CheckText(evaluator_, text);
  if (!value) return std::nullopt;
  return *value;
}

void TGraphForm::BarEditEdited(const QString& text) {
  if (const std::optional<double> pressure = FiniteValue(text)) {
    WriteShown(*AltitudeEdit, kAltitudeFormat, Quantity::Altitude,
               ashrae::AltitudeAtPressure(units_.FromShown(Quantity::Pressure, *pressure)));
  }
}

void TGraphForm::AltitudeEditEdited(const QString& text) {
  if (const std::optional<double> altitude = FiniteValue(text)) {
    checker_->SetEdited(*BarEdit, true);
    WriteShown(*BarEdit, kPressureFormat, Quantity::Pressure,
               ashrae::PressureAtAltitude(units_.FromShown(Quantity::Altitude, *altitude)));
  }
}

void TGraphForm::OKButtonClick() {
  if (!checker_->CheckAll()) return;
  float tMin = 0.0f;
  float hMin = 0.0f;
  float tMax = 0.0f;
  float hMax = 0.0f;
  settings_.GetRanges(tMin, hMin, tMax, hMax);
  tMax = FieldValue(*MaxDBEdit, Quantity::Temperature, tMax);
  tMin = FieldValue(*MinDBEdit, Quantity::Temperature, tMin);
  hMax = FieldValue(*MaxAHEdit, Quantity::Moisture, hMax);
  hMin = FieldValue(*MinAHEdit, Quantity::Moisture, hMin);
  const int units = UnitsCombo->currentIndex();
  const std::optional<ChartPoint> cursor = TypedPoint(*StartXEdit, *StartYEdit, kCursor, units);
  const std::optional<ChartPoint> arrow = TypedPoint(*EndXEdit, *EndYEdit, kArrow, units);
  if (!CheckTemperatures({{MaxDBEdit, tMax},
                          {MinDBEdit, tMin},
                          {StartXEdit, cursor ? cursor->X : settings_.Cursor.X},
                          {EndXEdit, arrow ? arrow->X : settings_.Arrow.X}}) ||
      !CheckRange(*MinDBEdit, Quantity::Temperature, tMin, std::min(tMax, kHighestTemperature)) ||
      !CheckRange(*MinAHEdit, Quantity::Moisture, std::max(hMin, 0.0f), hMax)) {
    return;
  }
  settings_.SetPropertyModel(PropertiesCombo->currentIndex() == 1 ? PropertyModel::Ashrae2017
                                                                  : PropertyModel::ChartFormulas);
  settings_.SetChartStyle(StyleCombo->currentIndex() == 1 ? ChartStyleName::Clear
                                                          : ChartStyleName::Classic);
  // An untouched pressure in inch-pound units is the stored one, not its psia text read back.
  if (!KeepsStored(*BarEdit)) settings_.SetPressure(ReadShown(*BarEdit, Quantity::Pressure));
  settings_.SetUnitSystem(units_.System());
  settings_.SetRanges(tMin, hMin, tMax, hMax);
  settings_.TempSnap = ReadSnap(*SnapDBEdit, Quantity::TemperatureDifference, settings_.TempSnap);
  settings_.HumiditySnap =
      ReadSnap(*SnapAHEdit, Quantity::MoistureDifference, settings_.HumiditySnap);
  settings_.SetVerticalAxisUnits(units);
  if (cursor) settings_.SetPointFromUnits(cursor->X, cursor->Y, kCursor);
  if (arrow) settings_.SetPointFromUnits(arrow->X, arrow->Y, kArrow);
  accept();
}

bool TGraphForm::KeepsStored(const QLineEdit& field) const {
  // In SI every field is read back as shown; in inch-pound units a field's text is its value
  // rounded after a conversion, so only what the user typed is read.
  const bool si =
      units_.System() == UnitSystem::Si && settings_.GetUnits().System() == UnitSystem::Si;
  return !si && !checker_->Edited(field);
}

float TGraphForm::FieldValue(const QLineEdit& field, Quantity quantity, float stored) const {
  return KeepsStored(field) ? stored : ReadShown(field, quantity);
}

std::optional<ChartPoint> TGraphForm::TypedPoint(const QLineEdit& xField, const QLineEdit& yField,
                                                 int which, int units) const {
  if (KeepsStored(xField) && KeepsStored(yField)) return std::nullopt;
  const int stored = settings_.GetVerticalAxisUnits();
  settings_.SetVerticalAxisUnits(units);
  const ChartPoint shown = settings_.PointInUnits(which);
  settings_.SetVerticalAxisUnits(stored);
  return ChartPoint{FieldValue(xField, Quantity::Temperature, shown.X),
                    FieldValue(yField, VerticalQuantity(units), shown.Y)};
}

bool TGraphForm::CheckTemperatures(
    std::initializer_list<std::pair<QLineEdit*, float>> temperatures) {
  for (const auto& [field, celsius] : temperatures) {
    const QString mistake = TemperatureMistake(celsius, units_);
    if (!mistake.isEmpty()) return checker_->Refuse(*field, mistake);
  }
  return true;
}

// The ends are judged as the chart file keeps them, so that a chart accepted here also opens
// again once saved.
bool TGraphForm::CheckRange(QLineEdit& minField, Quantity quantity, float low, float high) {
  if (AsSavedInFile(low) < AsSavedInFile(high)) return true;
  const std::string top = units_.Number(quantity, high) + " " + std::string(units_.Unit(quantity));
  return checker_->Refuse(
      minField, QString::fromStdString("The minimum must be below the maximum (" + top + ")."));
}

float TGraphForm::ReadSnap(const QLineEdit& field, Quantity quantity, float previous) const {
  // Zero and negative steps are the surface's to cope with; an infinite one would snap every
  // point to a value that is not a number.
  if (KeepsStored(field)) return previous;
  const float step = ReadShown(field, quantity);
  return std::isfinite(step) ? step : previous;
}

void TGraphForm::UnitsComboChange(int index) {
  const int remembered = settings_.GetVerticalAxisUnits();
  SetAxisCaption(index);
  settings_.SetVerticalAxisUnits(index);
  WriteVerticalValues();
  // The two fields show the stored points again.
  checker_->SetEdited(*StartYEdit, false);
  checker_->SetEdited(*EndYEdit, false);
  settings_.SetVerticalAxisUnits(remembered);
}

void TGraphForm::SetAxisCaption(int units) { AxisLabel->setText(AxisCaption(units, units_)); }

void TGraphForm::WriteVerticalValues() {
  const Quantity vertical = VerticalQuantity(settings_.GetVerticalAxisUnits());
  WriteShown(*StartYEdit, kPointFormat, vertical, settings_.PointInUnits(kCursor).Y);
  WriteShown(*EndYEdit, kPointFormat, vertical, settings_.PointInUnits(kArrow).Y);
}

}  // namespace hygrovia
