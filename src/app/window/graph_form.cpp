#include "app/window/graph_form.h"

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
#include <cmath>
#include <utility>

#include "app/window/dialog_layout.h"
#include "app/window/field_checker.h"
#include "app/window/number_field.h"
#include "chart/chart_settings.h"

namespace hygrovia {
namespace {

constexpr int kWidth = 299;
constexpr int kHeight = 318;

constexpr const char* kPressureFormat = "%0.3f";
constexpr const char* kRangeFormat = "%0.1f";
constexpr const char* kSnapFormat = "%0.3f";
constexpr const char* kPointFormat = "%0.2f";

// PointInUnits and SetPointFromUnits tell the two points apart by this argument.
constexpr int kCursor = 0;
constexpr int kArrow = 1;

// Caption of the vertical value's label for a unit; these carry no access key.
QString AxisCaption(int units) {
  switch (units) {
    case VerticalAxisUnits::AbsoluteHumidity:
      return QStringLiteral("Absolute Humidity (g/kg):");
    case VerticalAxisUnits::VapourPressure:
      return QStringLiteral("Vapour Pressure (kPa):");
    default:
      return QStringLiteral("Relative Humidity (%):");
  }
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
  CreateRangeGroups();
  CreateCursorGroup();
  CreateButtons();
  CreateChecker();
  LayOut();
  connect(UnitsCombo, &QComboBox::currentIndexChanged, this, &TGraphForm::UnitsComboChange);
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
      {EndXEdit, kPointFormat},   {EndYEdit, kPointFormat},
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
  form->addLayout(ranges);
  form->addWidget(GroupBox3);
  form->addWidget(FieldNote);
  form->addStretch();
  form->addLayout(buttons);
  SizeDialog(*this, QSize(kWidth, kHeight));
}

void TGraphForm::FillFromSettings() {
  float tMin = 0.0f;
  float hMin = 0.0f;
  float tMax = 0.0f;
  float hMax = 0.0f;
  settings_.GetRanges(tMin, hMin, tMax, hMax);
  WriteNumber(*BarEdit, kPressureFormat, static_cast<float>(settings_.GetPressure()));
  WriteNumber(*MaxDBEdit, kRangeFormat, tMax);
  WriteNumber(*MinDBEdit, kRangeFormat, tMin);
  WriteNumber(*SnapDBEdit, kSnapFormat, settings_.TempSnap);
  WriteNumber(*MaxAHEdit, kRangeFormat, hMax);
  WriteNumber(*MinAHEdit, kRangeFormat, hMin);
  WriteNumber(*SnapAHEdit, kSnapFormat, settings_.HumiditySnap);
  const ChartPoint cursor = settings_.PointInUnits(kCursor);
  WriteNumber(*StartXEdit, kPointFormat, cursor.X);
  WriteNumber(*StartYEdit, kPointFormat, cursor.Y);
  const ChartPoint arrow = settings_.PointInUnits(kArrow);
  WriteNumber(*EndXEdit, kPointFormat, arrow.X);
  WriteNumber(*EndYEdit, kPointFormat, arrow.Y);
  const int units = settings_.GetVerticalAxisUnits();
  const QSignalBlocker quiet(UnitsCombo);
  // A unit outside the list reads as relative humidity everywhere, so it shows as such.
  UnitsCombo->setCurrentIndex(units >= 0 && units < UnitsCombo->count() ? units : 0);
  SetAxisCaption(units);
  checker_->Reset();
}

void TGraphForm::OKButtonClick() {
  if (!checker_->CheckAll()) return;
  settings_.SetPressure(ReadNumber(evaluator_, *BarEdit));
  const float tMax = ReadNumber(evaluator_, *MaxDBEdit);
  const float tMin = ReadNumber(evaluator_, *MinDBEdit);
  const float hMax = ReadNumber(evaluator_, *MaxAHEdit);
  const float hMin = ReadNumber(evaluator_, *MinAHEdit);
  settings_.SetRanges(tMin, hMin, tMax, hMax);
  settings_.TempSnap = ReadSnap(*SnapDBEdit, settings_.TempSnap);
  settings_.HumiditySnap = ReadSnap(*SnapAHEdit, settings_.HumiditySnap);
  settings_.SetVerticalAxisUnits(UnitsCombo->currentIndex());
  settings_.SetPointFromUnits(ReadNumber(evaluator_, *StartXEdit),
                              ReadNumber(evaluator_, *StartYEdit), kCursor);
  settings_.SetPointFromUnits(ReadNumber(evaluator_, *EndXEdit), ReadNumber(evaluator_, *EndYEdit),
                              kArrow);
  accept();
}

float TGraphForm::ReadSnap(const QLineEdit& field, float previous) const {
  // Zero and negative steps are the surface's to cope with; an infinite one would snap every
  // point to a value that is not a number.
  const float step = ReadNumber(evaluator_, field);
  return std::isfinite(step) ? step : previous;
}

void TGraphForm::UnitsComboChange(int index) {
  const int remembered = settings_.GetVerticalAxisUnits();
  SetAxisCaption(index);
  settings_.SetVerticalAxisUnits(index);
  WriteVerticalValues();
  settings_.SetVerticalAxisUnits(remembered);
}

void TGraphForm::SetAxisCaption(int units) { AxisLabel->setText(AxisCaption(units)); }

void TGraphForm::WriteVerticalValues() {
  WriteNumber(*StartYEdit, kPointFormat, settings_.PointInUnits(kCursor).Y);
  WriteNumber(*EndYEdit, kPointFormat, settings_.PointInUnits(kArrow).Y);
}

}  // namespace hygrovia
