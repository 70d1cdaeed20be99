#include "app/weather/weather_form.h"

#include <fmt/format.h>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <string>

#include "app/widgets/dialog_layout.h"
#include "app/widgets/field_checker.h"
#include "app/widgets/number_field.h"
#include "base/number_text.h"
#include "climate/climate_layer.h"
#include "drawing/climate_report.h"
#include "model/chart_settings.h"
#include "surface/drawing_surface.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

QStringList MonthNames() {
  return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
          QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
          QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
          QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

QStringList HoursOfDay() {
  QStringList hours;
  for (int h = 0; h <= 24; ++h) hours << QString::fromStdString(fmt::format("{}:00", h));
  return hours;
}

constexpr const char* kComfortFormat = "%0.2f";

QHBoxLayout* Pair(QWidget* first, const char* between, QWidget* second) {
  auto* row = new QHBoxLayout;
  row->addWidget(first);
  row->addWidget(new QLabel(QString::fromUtf8(between)));
  row->addWidget(second);
  return row;
}

}  // namespace

TWeatherForm::TWeatherForm(ChartSettings& settings, ExpressionEvaluator& evaluator, QWidget* parent)
    : QDialog(parent, Qt::Tool), settings_(settings), evaluator_(evaluator) {
  setWindowTitle(QStringLiteral("Hygrovia: Weather and Comfort"));
  setModal(false);
  CreateControls();
}

QComboBox* TWeatherForm::AddCombo(const char* name, const QStringList& items) {
  auto* combo = new QComboBox(this);
  combo->setObjectName(QString::fromLatin1(name));
  combo->addItems(items);
  connect(combo, &QComboBox::currentIndexChanged, this, &TWeatherForm::ApplyChoices);
  return combo;
}

QLineEdit* TWeatherForm::AddEdit(const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaximumWidth(80);
  connect(edit, &QLineEdit::editingFinished, this, &TWeatherForm::ApplyChoices);
  return edit;
}

void TWeatherForm::CreateControls() {
  TitleLabel = new QLabel(this);
  TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
  TitleLabel->setTextFormat(Qt::PlainText);
  DisplayCombo =
      AddCombo("DisplayCombo", {QStringLiteral("Density of hours"), QStringLiteral("Dots")});
  FirstMonthCombo = AddCombo("FirstMonthCombo", MonthNames());
  LastMonthCombo = AddCombo("LastMonthCombo", MonthNames());
  FirstHourCombo = AddCombo("FirstHourCombo", HoursOfDay());
  LastHourCombo = AddCombo("LastHourCombo", HoursOfDay());
  ComfortCheck = new QCheckBox(QStringLiteral("&Comfort zones"), this);
  ComfortCheck->setObjectName(QStringLiteral("ComfortCheck"));
  LimitCheck = new QCheckBox(QStringLiteral("Upper humidity limit (12 g/kg)"), this);
  LimitCheck->setObjectName(QStringLiteral("LimitCheck"));
  DesignCheck = new QCheckBox(QStringLiteral("&Design conditions on the chart"), this);
  DesignCheck->setObjectName(QStringLiteral("DesignCheck"));
  AdaptiveCombo = AddCombo("AdaptiveCombo", QStringList{QStringLiteral("None")} + MonthNames());
  for (QCheckBox* check : {ComfortCheck, LimitCheck, DesignCheck}) {
    connect(check, &QCheckBox::toggled, this, &TWeatherForm::ApplyChoices);
  }
  MetEdit = AddEdit("MetEdit");
  SummerCloEdit = AddEdit("SummerCloEdit");
  WinterCloEdit = AddEdit("WinterCloEdit");
  SpeedEdit = AddEdit("SpeedEdit");
  FieldNote = MakeFieldNote(this);
  checker_ = new FieldChecker(evaluator_, *FieldNote, this);
  for (QLineEdit* edit : {MetEdit, SummerCloEdit, WinterCloEdit, SpeedEdit}) {
    checker_->Watch(*edit, kComfortFormat);
  }
  SummaryMemo = new QPlainTextEdit(this);
  SummaryMemo->setObjectName(QStringLiteral("SummaryMemo"));
  SummaryMemo->setReadOnly(true);
  SummaryMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  SummaryMemo->setMinimumSize(420, 150);
  CopyButton = new QPushButton(QStringLiteral("Cop&y"), this);
  CopyButton->setObjectName(QStringLiteral("CopyButton"));
  CloseButton = new QPushButton(QStringLiteral("Close"), this);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  connect(CopyButton, &QPushButton::clicked, this, &TWeatherForm::CopyButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &TWeatherForm::close);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Hours shown as"), DisplayCombo);
  form->addRow(QStringLiteral("Months"), Pair(FirstMonthCombo, "to", LastMonthCombo));
  form->addRow(QStringLiteral("Time of day"), Pair(FirstHourCombo, "to", LastHourCombo));
  form->addRow(ComfortCheck);
  form->addRow(QStringLiteral("Metabolic rate (met)"), MetEdit);
  form->addRow(QStringLiteral("Clothing (clo)"), Pair(SummerCloEdit, "summer,", WinterCloEdit));
  form->addRow(QStringLiteral("Air speed (m/s)"), SpeedEdit);
  form->addRow(LimitCheck);
  form->addRow(QStringLiteral("Adaptive band for"), AdaptiveCombo);
  form->addRow(DesignCheck);
  form->addRow(FieldNote);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CopyButton);
  buttons->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TitleLabel);
  layout->addLayout(form);
  layout->addWidget(SummaryMemo);
  layout->addLayout(buttons);
}

void TWeatherForm::ShowWeather() {
  FillFromLayer();
  ShowSummary();
  show();
  raise();
}

void TWeatherForm::FillFromLayer() {
  const ClimateLayer& layer = settings_.Climate;
  filling_ = true;
  DisplayCombo->setCurrentIndex(layer.Display() == HoursDisplay::Dots ? 1 : 0);
  FirstMonthCombo->setCurrentIndex(layer.Filter().firstMonth - 1);
  LastMonthCombo->setCurrentIndex(layer.Filter().lastMonth - 1);
  FirstHourCombo->setCurrentIndex(layer.Filter().firstHour);
  LastHourCombo->setCurrentIndex(layer.Filter().lastHour);
  ComfortCheck->setChecked(layer.ShowsComfort());
  const QuantityText& units = settings_.GetUnits();
  LimitCheck->setText(
      QString::fromStdString("Upper humidity limit (" +
                             units.Number(Quantity::Moisture, layer.Comfort().moistureLimit, 0) +
                             " " + std::string(units.Unit(Quantity::Moisture)) + ")"));
  LimitCheck->setChecked(layer.Comfort().humidityLimit);
  WriteNumber(*MetEdit, kComfortFormat, static_cast<float>(layer.Comfort().metabolicRate));
  WriteNumber(*SummerCloEdit, kComfortFormat, static_cast<float>(layer.Comfort().summerClothing));
  WriteNumber(*WinterCloEdit, kComfortFormat, static_cast<float>(layer.Comfort().winterClothing));
  WriteNumber(*SpeedEdit, kComfortFormat, static_cast<float>(layer.Comfort().airSpeed));
  checker_->Reset();
  DesignCheck->setChecked(layer.ShowsDesign());
  AdaptiveCombo->setCurrentIndex(layer.AdaptiveMonth());
  filling_ = false;
}

void TWeatherForm::ApplyChoices() {
  if (filling_) return;
  // A field without a value is marked and nothing is applied until it is mended; the focus
  // stays where the user put it.
  if (!checker_->CheckAll(false)) return;
  ClimateLayer& layer = settings_.Climate;
  layer.SetDisplay(DisplayCombo->currentIndex() == 1 ? HoursDisplay::Dots : HoursDisplay::Density);
  layer.SetFilter({FirstMonthCombo->currentIndex() + 1, LastMonthCombo->currentIndex() + 1,
                   FirstHourCombo->currentIndex(), LastHourCombo->currentIndex()});
  layer.SetShowComfort(ComfortCheck->isChecked());
  layer.SetShowDesign(DesignCheck->isChecked());
  layer.SetAdaptiveMonth(AdaptiveCombo->currentIndex());
  ComfortSettings comfort = layer.Comfort();
  comfort.metabolicRate = CheckText(evaluator_, MetEdit->text()).Value();
  comfort.summerClothing = CheckText(evaluator_, SummerCloEdit->text()).Value();
  comfort.winterClothing = CheckText(evaluator_, WinterCloEdit->text()).Value();
  comfort.airSpeed = CheckText(evaluator_, SpeedEdit->text()).Value();
  comfort.humidityLimit = LimitCheck->isChecked();
  if (!(comfort == layer.Comfort())) layer.SetComfort(comfort);
  // The fields show the values as held to the model's ranges.
  FillFromLayer();
  settings_.Surface().Redraw();
  ShowSummary();
}

void TWeatherForm::ShowSummary() {
  const ClimateLayer& layer = settings_.Climate;
  QStringList title;
  for (const std::string& line : WeatherTitleLines(settings_)) {
    title << QString::fromStdString(line);
  }
  TitleLabel->setText(title.isEmpty() ? QStringLiteral("No weather is open.") : title.join('\n'));
  QStringList lines;
  if (layer.HasWeather()) {
    for (const std::string& line : WeatherReportLines(settings_)) {
      lines << QString::fromStdString(line);
    }
  }
  SummaryMemo->setPlainText(lines.join('\n'));
}

QString TWeatherForm::SummaryText() const {
  const QString title = TitleLabel->text();
  return title + QLatin1Char('\n') + SummaryMemo->toPlainText() + QLatin1Char('\n');
}

void TWeatherForm::CopyButtonClick() { QGuiApplication::clipboard()->setText(SummaryText()); }

}  // namespace hygrovia
