// The main window's Print chart and Export picture controls.
#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <vector>

#include "app/main/main_form_fixture.h"

namespace hygrovia {
namespace {

using MainFormOutputTest = MainFormTest;

TEST_F(MainFormOutputTest, PrintChartAndExportAreReachedByButtonsMenuAndShortcut) {
  struct Control {
    const char* name;
    QRect bounds;
    const char* hint;
  };
  // Right of the toolbar, whose buttons keep their bounds.
  EXPECT_EQ(Find("OutputPanel")->geometry(), QRect(445, 4, 128, 86));
  for (const Control& c : {Control{"PrintChartButton", {2, 25, 62, 60}, "Print chart."},
                           Control{"ExportButton", {65, 25, 62, 60}, "Export picture..."},
                           Control{"PrintButton", {254, 25, 62, 60}, "Print form."}}) {
    EXPECT_EQ(Find(c.name)->geometry(), c.bounds) << c.name;
    EXPECT_EQ(Find(c.name)->toolTip(), QString::fromLatin1(c.hint)) << c.name;
  }
  QStringList called;
  form_->Hooks().print = [&] { called << "print"; };
  form_->Hooks().printChart = [&] { called << "chart"; };
  form_->Hooks().exportPicture = [&] { called << "export"; };
  struct Step {
    const char* what;
    std::function<void()> act;
    const char* calls;
  };
  const std::vector<Step> steps = {
      {"print button", [&] { Find<QToolButton>("PrintButton")->click(); }, "print"},
      {"print chart button", [&] { Find<QToolButton>("PrintChartButton")->click(); }, "chart"},
      {"export button", [&] { Find<QToolButton>("ExportButton")->click(); }, "export"},
      {"menu: form", [&] { Item("PrintFormItem")->trigger(); }, "print"},
      {"menu: chart", [&] { Item("PrintChartItem")->trigger(); }, "chart"},
      {"menu: export", [&] { Item("ExportItem")->trigger(); }, "export"},
      {"Ctrl+E", [&] { Key(Qt::Key_E, Qt::ControlModifier); }, "export"},
  };
  // Shortcuts need the window to be the active one.
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  for (const Step& s : steps) {
    called.clear();
    s.act();
    EXPECT_EQ(called, QStringList{QString::fromLatin1(s.calls)}) << s.what;
  }
  // The right button opens the print button's menu under it, as the settings button does.
  auto* print = Find<QToolButton>("PrintButton");
  QTest::mousePress(print, Qt::RightButton);
  QTest::mouseRelease(print, Qt::RightButton);
  EXPECT_EQ(popups_, QStringList{QStringLiteral("PrintMenu")});
  EXPECT_EQ(popupAt_, print->mapToGlobal(QPoint(0, print->height())));
  QStringList items;
  for (const QAction* item : Find<QMenu>("PrintMenu")->actions()) items << item->text();
  EXPECT_EQ(items, (QStringList{"Print &Form...", "Print &Chart...", "&Export Picture..."}));
}

}  // namespace
}  // namespace hygrovia

namespace hygrovia {
namespace {

// At the window's first width the panels beside the toolbar give way, but the overflow button
// stays in the window and its menu reaches every command they held.
TEST_F(MainFormTest, OverflowHoldsEveryAddedCommandAtTheFirstWidth) {
  form_->resize(456, 456);
  auto* overflow = Find<QToolButton>("OverflowButton");
  ASSERT_TRUE(overflow->isVisibleTo(form_.get()));
  EXPECT_TRUE(form_->rect().contains(QRect(overflow->pos(), overflow->size())));
  EXPECT_EQ(Find("MainPanel")->geometry(), QRect(1, 4, 443, 86));
  QStringList called;
  form_->Hooks().printChart = [&] { called << "chart"; };
  form_->Hooks().exportPicture = [&] { called << "export"; };
  form_->Hooks().chooseWeatherFile = [&](const QString&) {
    called << "weather";
    return QString();
  };
  form_->Hooks().showProcessTable = [&] { called << "process"; };
  for (QAction* item : overflow->menu()->actions()) item->trigger();
  EXPECT_EQ(called, QStringList({"chart", "export", "weather", "process"}));
}

}  // namespace
}  // namespace hygrovia
