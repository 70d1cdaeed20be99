// The main window's Print chart and Export picture controls.
#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/window/main_form.h"
#include "chart/chart_settings.h"
#include "chart/status_line.h"
#include "psychro/air_state.h"
#include "support/private_settings_folder.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// A shown main window on a fresh chart, remembered values in a private folder, popups
// recorded instead of shown.
class MainFormOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store_.isValid());
    form_ = std::make_unique<TMainForm>(chart_, status_);
    form_->Hooks().popUp = [this](QMenu& menu, const QPoint& at) {
      popups_.push_back(menu.objectName());
      popupAt_ = at;
    };
    form_->Hooks().showError = [](const QString&) {};
    form_->show();
  }

  template <typename T = QWidget>
  T* Find(const char* name) const {
    T* found = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QAction* Item(const char* name) const { return Find<QAction>(name); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(form_.get(), key, modifiers);
  }

  QTemporaryDir store_;
  PrivateSettingsFolder privateStore_{store_.path()};
  DrawingSurface surface_;
  AirState cursorState_;
  AirState arrowState_;
  ChartSettings chart_{surface_, cursorState_, arrowState_};
  StatusLine status_;
  std::unique_ptr<TMainForm> form_;
  QStringList popups_;
  QPoint popupAt_;
};

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
