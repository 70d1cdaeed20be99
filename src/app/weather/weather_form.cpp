#include "app/weather/weather_form.h"

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
#include <fmt/format.h>

#include "app/widgets/number_field.h"
#include "model/chart_settings.h"
#include "climate/climate_layer.h"
#include "base/number_text.h"
#include "units/quantity_text.h"
#include "surface/drawing_surface.h"

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
  for (QCheckBox* check : {ComfortCheck, LimitCheck}) {
    connect(check, &QCheckBox::toggled, this, &TWeatherForm::ApplyChoices);
  }
  MetEdit = AddEdit("MetEdit");
  SummerCloEdit = AddEdit("SummerCloEdit");
  WinterCloEdit = AddEdit("WinterCloEdit");
  SpeedEdit = AddEdit("SpeedEdit");
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
  LimitCheck->setText(QString::fromStdString(
      "Upper humidity limit (" + units.Number(Quantity::Moisture, kComfortHumidityLimit, 0) + " " +
      std::string(units.Unit(Quantity::Moisture)) + ")"));
  LimitCheck->setChecked(layer.Comfort().humidityLimit);
  WriteNumber(*MetEdit, "%0.2f", static_cast<float>(layer.Comfort().metabolicRate));
  WriteNumber(*SummerCloEdit, "%0.2f", static_cast<float>(layer.Comfort().summerClothing));
  WriteNumber(*WinterCloEdit, "%0.2f", static_cast<float>(layer.Comfort().winterClothing));
  WriteNumber(*SpeedEdit, "%0.2f", static_cast<float>(layer.Comfort().airSpeed));
  filling_ = false;
}

void TWeatherForm::ApplyChoices() {
  if (filling_) return;
  ClimateLayer& layer = settings_.Climate;
  layer.SetDisplay(DisplayCombo->currentIndex() == 1 ? HoursDisplay::Dots : HoursDisplay::Density);
  layer.SetFilter({FirstMonthCombo->currentIndex() + 1, LastMonthCombo->currentIndex() + 1,
                   FirstHourCombo->currentIndex(), LastHourCombo->currentIndex()});
  layer.SetShowComfort(ComfortCheck->isChecked());
  ComfortSettings comfort;
  comfort.metabolicRate = ReadNumber(evaluator_, *MetEdit);
  comfort.summerClothing = ReadNumber(evaluator_, *SummerCloEdit);
  comfort.winterClothing = ReadNumber(evaluator_, *WinterCloEdit);
  comfort.airSpeed = ReadNumber(evaluator_, *SpeedEdit);
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
  for (const std::string& line : layer.TitleLines(settings_.CursorState())) {
    title << QString::fromStdString(line);
  }
  TitleLabel->setText(title.isEmpty() ? QStringLiteral("No weather is open.") : title.join('\n'));
  QStringList lines;
  if (layer.HasWeather()) {
    for (const std::string& line : SummaryLines(layer.Summary(settings_.CursorState()))) {
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
