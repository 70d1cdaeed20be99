#include "app/window/weather_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/window/main_form.h"
#include "chart/chart_settings.h"
#include "chart/status_line.h"
#include "expr/expression_evaluator.h"
#include "psychro/air_state.h"
#include "support/private_settings_folder.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

const QString kChicago = QStringLiteral(HYGROVIA_TEST_DATA_DIR "/chicago-ohare-tmy3.epw");

// The main window with its weather window, the file chooser and the questions answered by
// the test, and error boxes collected.
class WeatherFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store_.isValid());
    form_ = std::make_unique<TMainForm>(chart_, status_);
    weather_ = std::make_unique<TWeatherForm>(chart_, evaluator_, form_.get());
    MainFormHooks& hooks = form_->Hooks();
    hooks.chooseWeatherFile = [this](const QString&) { return chosen_; };
    hooks.confirm = [this](const QString& question) {
      questions_ << question;
      return answer_;
    };
    hooks.showError = [this](const QString& text) { errors_ << text; };
    hooks.showWeather = [this] { weather_->ShowWeather(); };
    form_->show();
  }

  template <typename T>
  T* Find(QWidget& parent, const char* name) const {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void Open(const QString& file) {
    chosen_ = file;
    Find<QToolButton>(*form_, "WeatherButton")->click();
  }
  int HoursInFilter() const { return chart_.Climate.Summary(cursor_).hours; }

  QTemporaryDir store_;
  PrivateSettingsFolder privateStore_{store_.path()};
  DrawingSurface surface_;
  AirState cursor_;
  AirState arrow_;
  ChartSettings chart_{surface_, cursor_, arrow_};
  StatusLine status_;
  ExpressionEvaluator evaluator_;
  std::unique_ptr<TMainForm> form_;
  std::unique_ptr<TWeatherForm> weather_;
  QString chosen_;
  bool answer_ = true;
  QStringList questions_;
  QStringList errors_;
};

TEST_F(WeatherFormTest, OpeningAFileShowsItsHoursOffersItsPressureAndSummarises) {
  EXPECT_EQ(Find<QToolButton>(*form_, "WeatherButton")->toolTip(),
            QStringLiteral("Open weather..."));
  Open(kChicago);
  EXPECT_TRUE(errors_.isEmpty());
  ASSERT_TRUE(chart_.Climate.HasWeather());
  EXPECT_TRUE(chart_.Climate.ShowsComfort());
  ASSERT_EQ(questions_.size(), 1);
  EXPECT_TRUE(questions_[0].contains(QStringLiteral("201 m")));
  EXPECT_NEAR(chart_.GetPressure(), 98.934, 0.001);
  EXPECT_TRUE(weather_->isVisible());
  EXPECT_TRUE(weather_->SummaryText().contains(
      QStringLiteral("Hours in the filter                  8760")));
  Find<QPushButton>(*weather_, "CopyButton")->click();
  EXPECT_EQ(QApplication::clipboard()->text(), weather_->SummaryText());

  // The filter and the comfort settings act at once.
  Find<QComboBox>(*weather_, "FirstMonthCombo")->setCurrentIndex(5);
  Find<QComboBox>(*weather_, "LastMonthCombo")->setCurrentIndex(7);
  Find<QComboBox>(*weather_, "FirstHourCombo")->setCurrentIndex(8);
  Find<QComboBox>(*weather_, "LastHourCombo")->setCurrentIndex(18);
  EXPECT_EQ(HoursInFilter(), 920);
  EXPECT_TRUE(weather_->SummaryText().contains(QStringLiteral("Jun-Aug 8:00-18:00: 920 of 8760")));
  QLineEdit* met = Find<QLineEdit>(*weather_, "MetEdit");
  met->setText(QStringLiteral("9"));
  emit met->editingFinished();
  EXPECT_EQ(chart_.Climate.Comfort().metabolicRate, 4.0);
  EXPECT_EQ(met->text(), QStringLiteral("4.00"));
  Find<QComboBox>(*weather_, "DisplayCombo")->setCurrentIndex(1);
  EXPECT_EQ(chart_.Climate.Display(), HoursDisplay::Dots);
  Find<QCheckBox>(*weather_, "ComfortCheck")->setChecked(false);
  EXPECT_FALSE(chart_.Climate.ShowsComfort());

  // The status line reads the hours in the cell under the mouse.
  const PointF at = surface_.WorldToDevice(22.5f, 12.5f);
  const QPoint pixel(static_cast<int>(at.x), static_cast<int>(at.y));
  QWidget* canvas = Find<QWidget>(*form_, "GraphCanvas");
  QMouseEvent move(QEvent::MouseMove, pixel, canvas->mapToGlobal(pixel), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(canvas, &move);
  const int cell = chart_.Climate.Bins(cursor_).CountAt(22.5f, 12.5f);
  EXPECT_GT(cell, 0);
  EXPECT_TRUE(status_.Text().ends_with(" | " + std::to_string(cell) + " h in cell"))
      << status_.Text();
}

TEST_F(WeatherFormTest, FailuresAreExplainedAndChangeNothing) {
  answer_ = false;
  Open(QStringLiteral("/nonexistent/weather.epw"));
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_EQ(
      errors_[0],
      QStringLiteral("Could not read \"/nonexistent/weather.epw\". The file does not exist."));
  EXPECT_FALSE(chart_.Climate.HasWeather());
  EXPECT_FALSE(weather_->isVisible());
  // Saying no to the station's pressure keeps the chart's.
  Open(kChicago);
  EXPECT_EQ(questions_.size(), 1);
  EXPECT_NEAR(chart_.GetPressure(), 101.365, 0.001);
  // Cancelling the file dialog brings the weather window back.
  weather_->hide();
  Open(QString());
  EXPECT_TRUE(weather_->isVisible());
  EXPECT_TRUE(chart_.Climate.HasWeather());
}

}  // namespace
}  // namespace hygrovia
