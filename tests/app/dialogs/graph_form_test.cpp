#include "app/dialogs/graph_form.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/widgets/checked_field.h"
#include "app/widgets/field_checker.h"
#include "data/chart_file.h"
#include "drawing/chart_drawing.h"
#include "model/chart_settings.h"
#include "support/dialog_on_chart.h"

namespace hygrovia {
namespace {

// The chart settings dialog over the test chart.
struct GraphDialog : testing::DialogOnChart<TGraphForm> {
  // Filled from the settings and shown, as the main window opens it.
  void Open() {
    form.FillFromSettings();
    Show();
  }
};

TEST(GraphFormTest, ComponentsCarryTheirCaptionsAndHints) {
  GraphDialog dialog;
  dialog.Open();
  EXPECT_EQ(dialog.form.windowTitle(), QStringLiteral("Hygrovia: Chart Settings"));

  struct Labelled {
    const char* label;
    QString caption;
    const char* field;
  };
  const std::vector<Labelled> labels = {
      {"Label1", QStringLiteral("&Barometric Pressure (kPa) [101.365]:"), "BarEdit"},
      {"Label2", QStringLiteral("Ma&ximum:"), "MaxDBEdit"},
      {"Label3", QStringLiteral("Mi&nimum:"), "MinDBEdit"},
      {"SnapLabel", QStringLiteral("&Snap:"), "SnapDBEdit"},
      {"Label4", QStringLiteral("M&aximum:"), "MaxAHEdit"},
      {"Label5", QStringLiteral("M&inimum:"), "MinAHEdit"},
      {"Label6", QStringLiteral("Sna&p:"), "SnapAHEdit"},
      {"Label7", QString::fromUtf8("&Dry Bulb Temperature (°C):"), "StartXEdit"},
      // Filling names the unit, with a caption that has no access key.
      {"AxisLabel", QStringLiteral("Relative Humidity (%):"), "StartYEdit"},
      {"Label9", QStringLiteral("&Vertical Axis Units:"), "UnitsCombo"},
  };
  for (const Labelled& row : labels) {
    const QLabel* label = dialog.Child<QLabel>(row.label);
    EXPECT_EQ(label->text(), row.caption) << row.label;
    EXPECT_EQ(label->buddy(), dialog.form.findChild<QWidget*>(QString::fromLatin1(row.field)))
        << row.label;
  }

  struct Hinted {
    const char* field;
    const char* hint;
  };
  const std::vector<Hinted> hints = {
      {"BarEdit", "Barometric pressure for which chart is calculated"},
      {"MaxDBEdit", "Max temperature range"},
      {"MinDBEdit", "Min temperature range"},
      {"SnapDBEdit", "Cursor snap increment"},
      {"MaxAHEdit", "Max moisture content range"},
      {"MinAHEdit", "Min moisture content range"},
      {"SnapAHEdit", "Cursor snap increment"},
      {"StartXEdit", "X position of current cursor"},
      {"StartYEdit", "Y position of current cursor"},
  };
  for (const Hinted& row : hints) {
    EXPECT_EQ(dialog.Field(row.field)->toolTip(), QString::fromLatin1(row.hint)) << row.field;
  }

  EXPECT_EQ(dialog.Child<QGroupBox>("GroupBox1")->title(),
            QStringLiteral(" Temperature (Celcius) "));
  EXPECT_EQ(dialog.Child<QGroupBox>("GroupBox2")->title(),
            QStringLiteral(" Absolute Humidity (g/kg) "));
  EXPECT_EQ(dialog.Child<QGroupBox>("GroupBox3")->title(), QStringLiteral(" Cursor Position "));
  const auto* ok = dialog.Child<QPushButton>("OKButton");
  EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(dialog.Child<QPushButton>("CancelButton")->text(), QStringLiteral("&Cancel"));
  const auto* units = dialog.Child<QComboBox>("UnitsCombo");
  ASSERT_EQ(units->count(), 3);
  EXPECT_EQ(units->itemText(0), QStringLiteral("Relative Humidity (%)"));
  EXPECT_EQ(units->itemText(1), QStringLiteral("Absolute Humidity (g/kg)"));
  EXPECT_EQ(units->itemText(2), QStringLiteral("Vapour Pressure (kPa)"));
}

TEST(GraphFormTest, OpeningWithDefaultSettingsShowsThem) {
  GraphDialog dialog;
  dialog.Open();
  EXPECT_EQ(dialog.Text("BarEdit"), QStringLiteral("101.365"));
  EXPECT_EQ(dialog.Text("MaxDBEdit"), QStringLiteral("50.0"));
  EXPECT_EQ(dialog.Text("MinDBEdit"), QStringLiteral("0.0"));
  EXPECT_EQ(dialog.Text("SnapDBEdit"), QStringLiteral("0.100"));
  EXPECT_EQ(dialog.Text("MaxAHEdit"), QStringLiteral("35.0"));
  EXPECT_EQ(dialog.Text("MinAHEdit"), QStringLiteral("0.0"));
  EXPECT_EQ(dialog.Text("SnapAHEdit"), QStringLiteral("0.100"));
  EXPECT_EQ(dialog.Text("StartXEdit"), QStringLiteral("25.00"));
  EXPECT_NEAR(dialog.Text("StartYEdit").toDouble(),
              dialog.cursor.RelHumidityFromHumidity(25.0, 10.031), 0.005);
  EXPECT_EQ(dialog.Text("EndXEdit"), QStringLiteral("20.00"));
  EXPECT_NEAR(dialog.Text("EndYEdit").toDouble(), dialog.arrow.RelHumidityFromHumidity(20.0, 7.34),
              0.005);
  EXPECT_EQ(dialog.Child<QComboBox>("UnitsCombo")->currentText(),
            QStringLiteral("Relative Humidity (%)"));
  EXPECT_EQ(dialog.Child<QLabel>("AxisLabel")->text(), QStringLiteral("Relative Humidity (%):"));
}

TEST(GraphFormTest, AccessKeysOfTheLabelsMoveTheFocusToTheirFields) {
  GraphDialog dialog;
  dialog.Open();
  struct Key {
    Qt::Key key;
    const char* field;
  };
  const std::vector<Key> keys = {
      {Qt::Key_B, "BarEdit"},    {Qt::Key_X, "MaxDBEdit"},  {Qt::Key_N, "MinDBEdit"},
      {Qt::Key_S, "SnapDBEdit"}, {Qt::Key_A, "MaxAHEdit"},  {Qt::Key_I, "MinAHEdit"},
      {Qt::Key_P, "SnapAHEdit"}, {Qt::Key_D, "StartXEdit"}, {Qt::Key_V, "UnitsCombo"},
  };
  for (const Key& row : keys) {
    QTest::keyClick(&dialog.form, row.key, Qt::AltModifier);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(row.field));
  }
}

// Each case types one text into one field and confirms with OK.
TEST(GraphFormTest, ConfirmingReadsExpressionsAndTheSettersClamp) {
  struct Case {
    const char* field;
    QString text;
    double (*stored)(const ChartSettings&);
    double expected;
  };
  const auto tempMax = [](const ChartSettings& s) { return static_cast<double>(s.TempMax); };
  const auto pressure = [](const ChartSettings& s) { return s.GetPressure(); };
  const auto humidityMin = [](const ChartSettings& s) {
    return static_cast<double>(s.HumidityMin);
  };
  const auto snap = [](const ChartSettings& s) { return static_cast<double>(s.TempSnap); };
  const std::vector<Case> cases = {
      {"MaxDBEdit", QStringLiteral("1.8*10+32"), tempMax, 50.0},
      {"MaxDBEdit", QStringLiteral("150"), tempMax, 100.0},
      {"BarEdit", QStringLiteral("sqrt(10000)"), pressure, 100.0},
      {"MinAHEdit", QStringLiteral("-5"), humidityMin, 0.0},
      // Zero and negative steps are stored as typed.
      {"SnapDBEdit", QStringLiteral("-0.5"), snap, -0.5},
  };
  for (const Case& c : cases) {
    GraphDialog dialog;
    dialog.Open();
    QSignalSpy accepted(&dialog.form, &QDialog::accepted);
    dialog.Type(c.field, c.text);
    dialog.Click("OKButton");
    EXPECT_EQ(accepted.count(), 1) << c.field << " " << c.text.toStdString();
    EXPECT_NEAR(c.stored(dialog.settings), c.expected, 1e-4)
        << c.field << " " << c.text.toStdString();
    EXPECT_EQ(dialog.form.result(), QDialog::Accepted);
  }
}

TEST(GraphFormTest, EnterInAFieldConfirmsAndEscapeCancels) {
  GraphDialog confirmed;
  confirmed.Open();
  confirmed.Type("MinDBEdit", QStringLiteral("-10"));
  QTest::keyClick(confirmed.Field("MinDBEdit"), Qt::Key_Return);
  EXPECT_EQ(confirmed.form.result(), QDialog::Accepted);
  EXPECT_FALSE(confirmed.form.isVisible());
  EXPECT_FLOAT_EQ(confirmed.settings.TempMin, -10.0f);

  GraphDialog cancelled;
  cancelled.Open();
  cancelled.Type("MinDBEdit", QStringLiteral("-10"));
  QTest::keyClick(cancelled.Field("MinDBEdit"), Qt::Key_Escape);
  EXPECT_EQ(cancelled.form.result(), QDialog::Rejected);
  EXPECT_FALSE(cancelled.form.isVisible());
  EXPECT_FLOAT_EQ(cancelled.settings.TempMin, 0.0f);
}

TEST(GraphFormTest, SwitchingTheUnitReexpressesTheVerticalValuesOnly) {
  GraphDialog dialog;
  dialog.Open();
  dialog.Type("StartXEdit", QStringLiteral("33"));
  dialog.Type("StartYEdit", QStringLiteral("77"));
  auto* units = dialog.Child<QComboBox>("UnitsCombo");
  units->setFocus();
  QTest::keyClick(units, Qt::Key_Down);
  QTest::keyClick(units, Qt::Key_Down);
  ASSERT_EQ(units->currentIndex(), 2);

  EXPECT_EQ(dialog.Child<QLabel>("AxisLabel")->text(), QStringLiteral("Vapour Pressure (kPa):"));
  // From the stored cursor (10.031 g/kg) and arrow (7.34 g/kg), not from what was typed.
  EXPECT_EQ(dialog.Text("StartYEdit"), QStringLiteral("1.60"));
  EXPECT_EQ(dialog.Text("EndYEdit"), QStringLiteral("1.17"));
  EXPECT_EQ(dialog.Text("StartXEdit"), QStringLiteral("33"));
  EXPECT_EQ(dialog.Text("EndXEdit"), QStringLiteral("20.00"));
  // The chart's unit changes only on OK.
  EXPECT_EQ(dialog.settings.GetVerticalAxisUnits(), VerticalAxisUnits::RelativeHumidity);

  QTest::keyClick(units, Qt::Key_Up);
  EXPECT_EQ(dialog.Child<QLabel>("AxisLabel")->text(), QStringLiteral("Absolute Humidity (g/kg):"));
  EXPECT_EQ(dialog.Text("StartYEdit"), QStringLiteral("10.03"));
}

TEST(GraphFormTest, ValuesTypedInTheNewUnitAreTakenInIt) {
  struct Case {
    int units;
    const char* cursorY;
    const char* arrowY;
    float storedCursorY;
    float storedArrowY;
  };
  const std::vector<Case> cases = {
      {VerticalAxisUnits::AbsoluteHumidity, "12", "4+4", 12.0f, 8.0f},
      {VerticalAxisUnits::VapourPressure, "2", "0.8", 12.5f, 5.0f},
  };
  for (const Case& c : cases) {
    GraphDialog dialog;
    dialog.Open();
    dialog.Child<QComboBox>("UnitsCombo")->setCurrentIndex(c.units);
    dialog.Type("StartYEdit", QString::fromLatin1(c.cursorY));
    dialog.Type("EndYEdit", QString::fromLatin1(c.arrowY));
    dialog.Click("OKButton");
    EXPECT_EQ(dialog.settings.GetVerticalAxisUnits(), c.units);
    EXPECT_NEAR(dialog.settings.Cursor.Y, c.storedCursorY, 1e-4f) << c.units;
    EXPECT_NEAR(dialog.settings.Arrow.Y, c.storedArrowY, 1e-4f) << c.units;
    EXPECT_FLOAT_EQ(dialog.settings.Cursor.X, 25.0f);
    EXPECT_FLOAT_EQ(dialog.settings.Arrow.X, 20.0f);
  }
}

TEST(GraphFormTest, InchPoundUnitsShowAndTakeEveryFieldInThem) {
  GraphDialog dialog;
  dialog.Open();
  dialog.Type("MaxDBEdit", QStringLiteral("40"));
  dialog.Child<QComboBox>("UnitSystemCombo")->setCurrentIndex(1);
  // What was typed and what the chart holds, shown in inch-pound units; the captions follow.
  struct Shown {
    const char* field;
    QString text;
  };
  const std::vector<Shown> shown = {
      {"BarEdit", QStringLiteral("14.702")},   {"AltitudeEdit", QStringLiteral("-10")},
      {"MaxDBEdit", QStringLiteral("104.0")},  {"MinDBEdit", QStringLiteral("32.0")},
      {"SnapDBEdit", QStringLiteral("0.180")}, {"MaxAHEdit", QStringLiteral("245.0")},
      {"SnapAHEdit", QStringLiteral("0.700")}, {"StartXEdit", QStringLiteral("77.00")},
      {"EndXEdit", QStringLiteral("68.00")},
  };
  for (const Shown& s : shown) EXPECT_EQ(dialog.Text(s.field), s.text) << s.field;
  const std::vector<std::pair<const char*, QString>> captions = {
      {"Label1", QStringLiteral("&Barometric Pressure (psia) [14.702]:")},
      {"AltitudeLabel", QStringLiteral("Al&titude (ft):")},
      {"Label7", QString::fromUtf8("&Dry Bulb Temperature (°F):")},
  };
  for (const auto& [label, caption] : captions) {
    EXPECT_EQ(dialog.Child<QLabel>(label)->text(), caption) << label;
  }
  EXPECT_EQ(dialog.Child<QGroupBox>("GroupBox1")->title(),
            QStringLiteral(" Temperature (Fahrenheit) "));
  EXPECT_EQ(dialog.Child<QComboBox>("UnitsCombo")->itemText(1),
            QStringLiteral("Absolute Humidity (gr/lb)"));
  // Until OK the chart keeps its units.
  EXPECT_EQ(dialog.settings.GetUnits().System(), UnitSystem::Si);

  dialog.Type("MaxDBEdit", QStringLiteral("86"));
  dialog.Type("MinAHEdit", QStringLiteral("14"));
  dialog.Type("MaxAHEdit", QStringLiteral("100+40"));
  dialog.Type("SnapDBEdit", QStringLiteral("0.9"));
  dialog.Type("BarEdit", QStringLiteral("14.696"));
  dialog.Type("StartXEdit", QStringLiteral("77"));
  dialog.Click("OKButton");
  const ChartSettings& s = dialog.settings;
  EXPECT_EQ(s.GetUnits().System(), UnitSystem::Ip);
  EXPECT_NEAR(s.TempMax, 30.0f, 1e-5f);
  EXPECT_NEAR(s.HumidityMin, 2.0f, 1e-5f);
  EXPECT_NEAR(s.HumidityMax, 20.0f, 1e-5f);
  EXPECT_NEAR(s.TempSnap, 0.5f, 1e-6f);
  EXPECT_NEAR(s.GetPressure(), 101.325, 1e-3);
  EXPECT_NEAR(s.Cursor.X, 25.0f, 1e-5f);
  // Opened again in inch-pound units, it shows them; back in SI the captions are the SI ones.
  dialog.Open();
  EXPECT_EQ(dialog.Text("MaxDBEdit"), QStringLiteral("86.0"));
  dialog.Child<QComboBox>("UnitSystemCombo")->setCurrentIndex(0);
  EXPECT_EQ(dialog.Text("MaxDBEdit"), QStringLiteral("30.0"));
  EXPECT_EQ(dialog.Child<QLabel>("Label1")->text(),
            QStringLiteral("&Barometric Pressure (kPa) [101.365]:"));
}

TEST(GraphFormTest, CancellingAfterAUnitSwitchChangesNothing) {
  enum class Close { kCancelButton, kEscape, kCloseBox };
  for (Close how : {Close::kCancelButton, Close::kEscape, Close::kCloseBox}) {
    GraphDialog dialog;
    dialog.Open();
    dialog.Child<QComboBox>("UnitsCombo")->setCurrentIndex(VerticalAxisUnits::VapourPressure);
    dialog.Type("BarEdit", QStringLiteral("90"));
    dialog.Type("StartXEdit", QStringLiteral("40"));
    if (how == Close::kCancelButton) dialog.Click("CancelButton");
    if (how == Close::kEscape) QTest::keyClick(&dialog.form, Qt::Key_Escape);
    if (how == Close::kCloseBox) dialog.form.close();
    const int caseNumber = static_cast<int>(how);
    EXPECT_EQ(dialog.form.result(), QDialog::Rejected) << caseNumber;
    EXPECT_EQ(dialog.settings.GetVerticalAxisUnits(), VerticalAxisUnits::RelativeHumidity)
        << caseNumber;
    EXPECT_DOUBLE_EQ(dialog.settings.GetPressure(), 101.365);
    EXPECT_FLOAT_EQ(dialog.settings.Cursor.X, 25.0f);

    dialog.Open();
    EXPECT_EQ(dialog.Child<QComboBox>("UnitsCombo")->currentIndex(), 0) << caseNumber;
    EXPECT_EQ(dialog.Child<QLabel>("AxisLabel")->text(), QStringLiteral("Relative Humidity (%):"));
    EXPECT_EQ(dialog.Text("BarEdit"), QStringLiteral("101.365"));
  }
}

TEST(GraphFormTest, FillingShowsTheChartsUnitWithoutReexpressingTwice) {
  GraphDialog dialog;
  dialog.settings.SetVerticalAxisUnits(VerticalAxisUnits::VapourPressure);
  dialog.settings.Cursor = {30.0f, 10.0f};
  dialog.Open();
  EXPECT_EQ(dialog.Child<QComboBox>("UnitsCombo")->currentIndex(), 2);
  EXPECT_EQ(dialog.Child<QLabel>("AxisLabel")->text(), QStringLiteral("Vapour Pressure (kPa):"));
  EXPECT_EQ(dialog.Text("StartYEdit"), QStringLiteral("1.60"));
  EXPECT_EQ(dialog.Text("StartXEdit"), QStringLiteral("30.00"));
}

// Regression: a field that could not be read was applied as 0, so a maximum of "fifty" gave
// a reversed 5 to 0 °C chart and a pressure of "abc" 51.365 kPa, without a word.
TEST(GraphFormTest, AFieldWithoutAValueIsMarkedAndNothingIsApplied) {
  struct Case {
    const char* field;
    QString text;
    const char* note;
  };
  const std::vector<Case> cases = {
      {"MaxDBEdit", QStringLiteral("fifty"), "Unresolved token."},
      {"BarEdit", QStringLiteral("abc"), "Unresolved token."},
      {"SnapDBEdit", QStringLiteral("1/0"), "Not a finite number."},
      {"MinAHEdit", QStringLiteral("1e38*10"), "Not a finite number."},
      {"EndXEdit", QStringLiteral("ACOS(2)"), "Not a finite number."},
      {"StartYEdit", QString(), "Unresolved token."},
      {"MaxAHEdit", QStringLiteral("2*(3"), "Unresolved operation."},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(c.field) + " = " + c.text.toStdString();
    GraphDialog dialog;
    dialog.Open();
    const std::string before = ChartFileText(dialog.settings);
    dialog.Type("MinDBEdit", QStringLiteral("-10"));
    dialog.Type(c.field, c.text);
    dialog.Click("OKButton");
    QTest::keyClick(dialog.Field("MinDBEdit"), Qt::Key_Return);
    EXPECT_TRUE(dialog.form.isVisible()) << what;
    EXPECT_EQ(ChartFileText(dialog.settings), before) << what;
    EXPECT_EQ(QApplication::focusWidget(), dialog.Field(c.field)) << what;
    EXPECT_TRUE(dialog.Field(c.field)->property(FieldChecker::kMistakeProperty).toBool()) << what;
    EXPECT_EQ(dialog.Child<QLabel>("FieldNote")->text(), QString::fromLatin1(c.note)) << what;
    // Mended, the mark goes and OK applies everything.
    dialog.Type(c.field, QStringLiteral("20"));
    EXPECT_FALSE(dialog.Field(c.field)->property(FieldChecker::kMistakeProperty).toBool()) << what;
    dialog.Click("OKButton");
    EXPECT_EQ(dialog.form.result(), QDialog::Accepted) << what;
    EXPECT_FLOAT_EQ(dialog.settings.TempMin, -10.0f) << what;
  }
  // While typing, the note shows what an expression comes to; Cancel still leaves.
  GraphDialog cancelled;
  cancelled.Open();
  cancelled.Type("MaxDBEdit", QStringLiteral("25*1.8+32"));
  EXPECT_EQ(cancelled.Child<QLabel>("FieldNote")->text(), QStringLiteral("= 77.00"));
  cancelled.Type("MaxDBEdit", QStringLiteral("fifty"));
  cancelled.Click("OKButton");
  cancelled.Click("CancelButton");
  EXPECT_FALSE(cancelled.form.isVisible());
  EXPECT_EQ(cancelled.form.result(), QDialog::Rejected);
  EXPECT_FLOAT_EQ(cancelled.settings.TempMax, 50.0f);
}

TEST(GraphFormTest, AltitudeAndPressureFollowEachOtherAndTheModelIsChosen) {
  struct Case {
    const char* field;  // typed into
    QString text;
    const char* other;  // shows
    QString shown;
  };
  const std::vector<Case> cases = {
      {"AltitudeEdit", QStringLiteral("1500"), "BarEdit", QStringLiteral("84.556")},
      {"AltitudeEdit", QStringLiteral("2500*2"), "BarEdit", QStringLiteral("54.020")},
      {"BarEdit", QStringLiteral("101.325"), "AltitudeEdit", QStringLiteral("0")},
      {"BarEdit", QStringLiteral("84.556"), "AltitudeEdit", QStringLiteral("1500")},
      // A blank text, or one that does not evaluate to a number, leaves the other as it was.
      {"AltitudeEdit", QStringLiteral(")1"), "BarEdit", QStringLiteral("101.365")},
      {"BarEdit", QStringLiteral("*1/0"), "AltitudeEdit", QStringLiteral("-3")},
  };
  for (const Case& c : cases) {
    GraphDialog dialog;
    dialog.Open();
    dialog.Type(c.field, c.text);
    EXPECT_EQ(dialog.Text(c.other), c.shown) << c.field << " " << c.text.toStdString();
  }

  GraphDialog dialog;
  dialog.Open();
  auto* properties = dialog.Child<QComboBox>("PropertiesCombo");
  ASSERT_EQ(properties->count(), 2);
  EXPECT_EQ(properties->itemText(0), QStringLiteral("Chart formulas"));
  EXPECT_EQ(properties->itemText(1), QStringLiteral("ASHRAE 2017"));
  EXPECT_EQ(properties->currentIndex(), 0);
  QTest::keyClick(&dialog.form, Qt::Key_T, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), dialog.Field("AltitudeEdit"));
  properties->setCurrentIndex(1);
  dialog.Type("AltitudeEdit", QStringLiteral("1500"));
  dialog.Click("OKButton");
  EXPECT_EQ(dialog.settings.GetPropertyModel(), PropertyModel::Ashrae2017);
  EXPECT_NEAR(dialog.settings.GetPressure(), 84.556, 1e-4);
  // Opened again, it shows the chart's model and altitude; Cancel keeps them.
  dialog.Open();
  EXPECT_EQ(properties->currentIndex(), 1);
  EXPECT_EQ(dialog.Text("AltitudeEdit"), QStringLiteral("1500"));
  properties->setCurrentIndex(0);
  dialog.Click("CancelButton");
  EXPECT_EQ(dialog.settings.GetPropertyModel(), PropertyModel::Ashrae2017);
}

bool Finite(float value) { return std::isfinite(value); }

// Everything the dialog writes is finite.
void ExpectFiniteSettings(const ChartSettings& s, const std::string& what) {
  EXPECT_TRUE(Finite(s.TempMin) && Finite(s.TempMax) && Finite(s.HumidityMin) &&
              Finite(s.HumidityMax))
      << what;
  EXPECT_TRUE(Finite(s.TempSnap) && Finite(s.HumiditySnap)) << what;
  EXPECT_TRUE(std::isfinite(s.GetPressure())) << what;
  EXPECT_TRUE(Finite(s.Cursor.X) && Finite(s.Cursor.Y) && Finite(s.Arrow.X) && Finite(s.Arrow.Y))
      << what;
}

TEST(GraphFormTest, AnyTextInAnyFieldLeavesAChartThatDraws) {
  const std::vector<const char*> fields = {"BarEdit",    "MaxDBEdit", "MinDBEdit",  "SnapDBEdit",
                                           "MaxAHEdit",  "MinAHEdit", "SnapAHEdit", "StartXEdit",
                                           "StartYEdit", "EndXEdit",  "EndYEdit"};
  const std::vector<QString> texts = testing::BadFieldTexts();
  for (int units = 0; units < 3; ++units) {
    for (const char* field : fields) {
      for (const QString& text : texts) {
        GraphDialog dialog;
        dialog.settings.SetVerticalAxisUnits(units);
        dialog.form.FillFromSettings();
        dialog.form.show();
        dialog.Field(field)->setText(text);
        dialog.Click("OKButton");
        const std::string what = std::string(field) + " = " + text.left(20).toStdString() +
                                 " in units " + std::to_string(units);
        ExpectFiniteSettings(dialog.settings, what);
        dialog.settings.ApplyToSurface();
        DrawChart(dialog.settings, dialog.status);
        EXPECT_FALSE(dialog.canvas.Lines().empty()) << what;
        EXPECT_TRUE(std::isfinite(dialog.cursor.RelHumidity)) << what;
      }
    }
  }
}

}  // namespace
}  // namespace hygrovia

namespace hygrovia {
namespace {

// Regression: with inch-pound units, OK on an untouched dialog read the psia text back as the
// pressure (101.365 kPa became 101.367) and marked the chart changed.
TEST(GraphFormTest, AnUntouchedDialogInInchPoundUnitsChangesNothing) {
  for (const float pressure : {101.365f, 90.0f, 67.3f}) {
    GraphDialog dialog;
    dialog.settings.SetUnitSystem(UnitSystem::Ip);
    dialog.settings.SetPressure(pressure);
    dialog.settings.TempSnap = 0.13f;
    dialog.settings.Arrow = {21.37f, 7.123f};
    const std::string before = ChartFileText(dialog.settings);
    dialog.Open();
    dialog.Child<QComboBox>("UnitsCombo")->setCurrentIndex(VerticalAxisUnits::VapourPressure);
    dialog.Click("OKButton");
    EXPECT_EQ(dialog.form.result(), QDialog::Accepted) << pressure;
    EXPECT_EQ(ChartFileText(dialog.settings), before) << pressure;
  }
}

TEST(GraphFormTest, RangesTheWrongWayRoundAndAbsoluteZeroAreRefused) {
  struct Case {
    bool ip;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* marked;  // nullptr: applied
  };
  const std::vector<Case> cases = {
      {false, {{"MaxDBEdit", "10"}, {"MinDBEdit", "40"}}, "MinDBEdit"},
      {false, {{"MaxDBEdit", "20"}, {"MinDBEdit", "20"}}, "MinDBEdit"},
      {false, {{"MaxDBEdit", "150"}, {"MinDBEdit", "120"}}, "MinDBEdit"},
      {false, {{"MaxAHEdit", "5"}, {"MinAHEdit", "5"}}, "MinAHEdit"},
      {false, {{"MaxAHEdit", "-3"}}, "MinAHEdit"},
      {false, {{"MinDBEdit", "-273.15"}}, "MinDBEdit"},
      {false, {{"StartXEdit", "-300"}}, "StartXEdit"},
      {true, {{"EndXEdit", "-459.67"}}, "EndXEdit"},
      {false, {{"MinDBEdit", "-150"}, {"SnapDBEdit", "0"}, {"SnapAHEdit", "-1"}}, nullptr},
      {true, {{"MinDBEdit", "-459"}}, nullptr},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(c.typed[0].first) + " = " + c.typed[0].second;
    GraphDialog dialog;
    dialog.settings.SetUnitSystem(c.ip ? UnitSystem::Ip : UnitSystem::Si);
    const std::string before = ChartFileText(dialog.settings);
    dialog.Open();
    for (const auto& [field, text] : c.typed) dialog.Type(field, QString::fromLatin1(text));
    dialog.Click("OKButton");
    if (c.marked == nullptr) {
      EXPECT_EQ(dialog.form.result(), QDialog::Accepted) << what;
      EXPECT_NE(ChartFileText(dialog.settings), before) << what;
      continue;
    }
    EXPECT_TRUE(dialog.form.isVisible()) << what;
    EXPECT_EQ(ChartFileText(dialog.settings), before) << what;
    EXPECT_TRUE(IsMarked(*dialog.Field(c.marked))) << what;
    EXPECT_FALSE(dialog.Child<QLabel>("FieldNote")->text().isEmpty()) << what;
  }
}

// Every field shows its whole value at the size the dialog opens with.
TEST(GraphFormTest, FieldsAreWideEnoughForTheirValues) {
  GraphDialog dialog;
  dialog.settings.SetPressure(60.0f);
  dialog.Open();
  for (QLineEdit* field : dialog.form.findChildren<QLineEdit*>()) {
    const int text = field->fontMetrics().horizontalAdvance(field->text());
    EXPECT_LT(text, field->width()) << field->objectName().toStdString();
  }
}

}  // namespace
}  // namespace hygrovia
