#include "app/weather/weather_form.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <memory>
#include <string>

#include "app/main/main_form_fixture.h"
#include "app/widgets/checked_field.h"
#include "app/widgets/refused_texts.h"
#include "expr/expression_evaluator.h"

namespace hygrovia {
namespace {

const QString kChicago = QStringLiteral(HYGROVIA_TEST_DATA_DIR "/chicago-ohare-tmy3.epw");

// The main window with its weather window; the file chooser and the question about the
// station's pressure are answered by the test.
class WeatherFormTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    weather_ = std::make_unique<TWeatherForm>(chart_, evaluator_, form_.get());
    MainFormHooks& hooks = form_->Hooks();
    hooks.chooseWeatherFile = [this](const QString&) { return chosen_; };
    hooks.confirm = [this](const QString& question) {
      confirmations_ << question;
      return takePressure_;
    };
    hooks.showWeather = [this] { weather_->ShowWeather(); };
  }

  template <typename T>
  T* In(const char* name) const {
    T* found = weather_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void OpenWeather(const QString& file) {
    chosen_ = file;
    Find<QToolButton>("WeatherButton")->click();
  }
  int HoursInFilter() const { return chart_.Climate.Summary(cursorState_).hours; }

  ExpressionEvaluator evaluator_;
  std::unique_ptr<TWeatherForm> weather_;
  QString chosen_;
  bool takePressure_ = true;
  QStringList confirmations_;
};

TEST_F(WeatherFormTest, OpeningAFileShowsItsHoursOffersItsPressureAndSummarises) {
  EXPECT_EQ(Find<QToolButton>("WeatherButton")->toolTip(), QStringLiteral("Open weather..."));
  OpenWeather(kChicago);
  EXPECT_TRUE(errors_.isEmpty());
  ASSERT_TRUE(chart_.Climate.HasWeather());
  EXPECT_TRUE(chart_.Climate.ShowsComfort());
  ASSERT_EQ(confirmations_.size(), 1);
  EXPECT_TRUE(confirmations_[0].contains(QStringLiteral("201 m")));
  EXPECT_NEAR(chart_.GetPressure(), 98.934, 0.001);
  EXPECT_TRUE(weather_->isVisible());
  EXPECT_TRUE(weather_->SummaryText().contains(
      QStringLiteral("Hours in the filter                  8760")));
  In<QPushButton>("CopyButton")->click();
  EXPECT_EQ(QApplication::clipboard()->text(), weather_->SummaryText());

  // The filter and the comfort settings act at once.
  In<QComboBox>("FirstMonthCombo")->setCurrentIndex(5);
  In<QComboBox>("LastMonthCombo")->setCurrentIndex(7);
  In<QComboBox>("FirstHourCombo")->setCurrentIndex(8);
  In<QComboBox>("LastHourCombo")->setCurrentIndex(18);
  EXPECT_EQ(HoursInFilter(), 920);
  EXPECT_TRUE(weather_->SummaryText().contains(QStringLiteral("Jun-Aug 8:00-18:00: 920 of 920")));
  QLineEdit* met = In<QLineEdit>("MetEdit");
  met->setText(QStringLiteral("9"));
  emit met->editingFinished();
  EXPECT_EQ(chart_.Climate.Comfort().metabolicRate, 4.0);
  EXPECT_EQ(met->text(), QStringLiteral("4.00"));
  In<QComboBox>("DisplayCombo")->setCurrentIndex(1);
  EXPECT_EQ(chart_.Climate.Display(), HoursDisplay::Dots);
  In<QCheckBox>("ComfortCheck")->setChecked(false);
  EXPECT_FALSE(chart_.Climate.ShowsComfort());

  // The status line reads the hours in the cell under the mouse.
  Move(PixelOf({22.5f, 12.5f}), Qt::NoButton);
  const int cell = chart_.Climate.Bins(cursorState_).CountAt(22.5f, 12.5f);
  EXPECT_GT(cell, 0);
  EXPECT_TRUE(status_.Text().ends_with(" | " + std::to_string(cell) + " h in cell"))
      << status_.Text();
}

TEST_F(WeatherFormTest, FailuresAreExplainedAndChangeNothing) {
  takePressure_ = false;
  OpenWeather(QStringLiteral("/nonexistent/weather.epw"));
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_EQ(
      errors_[0],
      QStringLiteral("Could not read \"/nonexistent/weather.epw\". The file does not exist."));
  EXPECT_FALSE(chart_.Climate.HasWeather());
  EXPECT_FALSE(weather_->isVisible());
  // Saying no to the station's pressure keeps the chart's.
  OpenWeather(kChicago);
  EXPECT_EQ(confirmations_.size(), 1);
  EXPECT_NEAR(chart_.GetPressure(), 101.365, 0.001);
  // Cancelling the file dialog brings the weather window back.
  weather_->hide();
  OpenWeather(QString());
  EXPECT_TRUE(weather_->isVisible());
  EXPECT_TRUE(chart_.Climate.HasWeather());
}

// The open button's menu reads a logger's file; the header of the sample says °C, so nothing
// is asked.
TEST_F(WeatherFormTest, MeasuredDataOpenFromTheOpenMenu) {
  form_->Hooks().chooseMeasuredFile = [](const QString&) {
    return QStringLiteral(HYGROVIA_TEST_DATA_DIR "/measured-office.csv");
  };
  QAction* item = form_->findChild<QAction*>(QStringLiteral("OpenMeasuredItem"));
  ASSERT_NE(item, nullptr);
  item->trigger();
  EXPECT_TRUE(errors_.isEmpty());
  EXPECT_TRUE(confirmations_.isEmpty());
  ASSERT_TRUE(chart_.Climate.HasWeather());
  EXPECT_TRUE(chart_.Climate.Year().measured);
  EXPECT_EQ(HoursInFilter(), 71);
  EXPECT_TRUE(weather_->isVisible());
}

// Regression: "1.1O" in the metabolic rate was read as 0.80 met, "O.5" clothing as 0 clo and an
// empty air speed as 0 m/s, and the comfortable hours fell without a word.
TEST_F(WeatherFormTest, ComfortFieldsRefuseWhatTheyCannotRead) {
  weather_->ShowWeather();
  for (const char* name : {"MetEdit", "SummerCloEdit", "WinterCloEdit", "SpeedEdit"}) {
    const ComfortSettings before = chart_.Climate.Comfort();
    QLineEdit* field = In<QLineEdit>(name);
    for (const RefusedText& refused : kRefusedTexts) {
      const std::string what = std::string(name) + " = \"" + refused.text + "\"";
      field->setText(QString::fromLatin1(refused.text));
      emit field->editingFinished();
      EXPECT_TRUE(IsMarked(*field)) << what;
      EXPECT_EQ(In<QLabel>("FieldNote")->text(), QString::fromLatin1(refused.reason)) << what;
      EXPECT_EQ(chart_.Climate.Comfort(), before) << what;
    }
    field->setText(QStringLiteral("0.9"));
    emit field->editingFinished();
    EXPECT_FALSE(IsMarked(*field)) << name;
    EXPECT_FALSE(chart_.Climate.Comfort() == before) << name;
    weather_->ShowWeather();
  }
}

}  // namespace
}  // namespace hygrovia
