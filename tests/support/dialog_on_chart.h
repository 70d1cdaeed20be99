#ifndef HYGROVIA_TESTS_SUPPORT_DIALOG_ON_CHART_H
#define HYGROVIA_TESTS_SUPPORT_DIALOG_ON_CHART_H

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "expr/expression_evaluator.h"
#include "support/test_chart.h"

namespace hygrovia::testing {

// A dialog of the Qt layer over the test chart on a 400 by 300 window, with its evaluator, as
// the program builds them. Finds the dialog's named children and works them as a user does.
template <typename Form>
struct DialogOnChart : TestChart {
  ExpressionEvaluator evaluator;
  Form form{ChartOf(*this), evaluator};

  // A window that follows the whole session is given it; a dialog on the settings, those.
  static decltype(auto) ChartOf(TestChart& chart) {
    if constexpr (std::is_constructible_v<Form, ChartSession&, ExpressionEvaluator&>) {
      return (chart.session);
    } else {
      return (chart.settings);
    }
  }

  DialogOnChart() : TestChart(400, 300) {}

  // Shows the dialog without blocking, as the main window opens it.
  void Show() {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  template <typename T>
  T* Child(const char* name) {
    T* child = form.template findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QLineEdit* Field(const char* name) { return Child<QLineEdit>(name); }
  QPushButton* Button(const char* name) { return Child<QPushButton>(name); }
  QString Text(const char* name) { return Field(name)->text(); }

  // Replaces a field's text by typing.
  void Type(const char* name, const QString& text) {
    QLineEdit* field = Field(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
  }

  void Click(const char* button) { QTest::mouseClick(Button(button), Qt::LeftButton); }
};

// Texts a user might leave in a number field that no setter must store as they read:
// empty, letters, infinities, a failed function, a float overflow, a long paste.
inline std::vector<QString> BadFieldTexts() {
  return {QString(),
          QStringLiteral("abc"),
          QStringLiteral("1/0"),
          QStringLiteral("-1/0"),
          QStringLiteral("1e300*1e300"),
          QStringLiteral("-1e300*1e300"),
          QStringLiteral("ACOS(2)"),
          QStringLiteral("1e38*10"),
          QStringLiteral("-1e38*10"),
          QString(500, QLatin1Char('9'))};
}

}  // namespace hygrovia::testing

#endif  // HYGROVIA_TESTS_SUPPORT_DIALOG_ON_CHART_H
