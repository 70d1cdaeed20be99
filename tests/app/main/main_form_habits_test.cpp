// The main window's desktop habits: keys that show at once, read-outs that agree with the
// marks, its minimum size, dialogs centred from the first opening, shortcut keys, the wheel
// zoom, a pan that keeps the chart drawn and the pointer's shape.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QWheelEvent>
#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "app/dialogs/graph_form.h"
#include "app/dialogs/nodes_form.h"
#include "app/main/main_form_fixture.h"
#include "app/widgets/centre_over.h"
#include "app/widgets/chart_image.h"
#include "app/widgets/settings_store.h"
#include "data/persisted_values.h"
#include "drawing/highlight_captions.h"
#include "expr/expression_evaluator.h"
#include "model/node_list.h"

namespace hygrovia {
namespace {

class MainFormHabitsTest : public MainFormTest {
 protected:
  QImage Picture() const { return static_cast<ChartImage*>(Canvas())->Picture().copy(); }
  QString Status() const { return Find<QLabel>("StatusPanel")->text(); }
};

// Regression: node keys changed the chart picture but showed it only on the key's release, and
// Delete on the last node left its square until the mouse moved.
TEST_F(MainFormHabitsTest, EveryKeyThatChangesTheChartRepaintsAtOnce) {
  struct Case {
    int count, selected;
    Qt::Key key;
    bool changes;
  };
  const Case cases[] = {
      {3, 0, Qt::Key_PageDown, true},  {3, 1, Qt::Key_PageUp, true},
      {3, 2, Qt::Key_Tab, true},       {3, 1, Qt::Key_Insert, true},
      {0, -1, Qt::Key_Insert, true},   {1, 0, Qt::Key_Delete, true},
      {3, 1, Qt::Key_Up, true},        {0, -1, Qt::Key_Left, true},
      {3, 2, Qt::Key_PageDown, false}, {0, -1, Qt::Key_Delete, false},
  };
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.count << " nodes, key " << c.key);
    chart_.Nodes.Reset();
    AddNodes(c.count);
    chart_.Nodes.Selected = c.selected;
    form_->Redraw();
    QApplication::processEvents();
    int paints = 0;
    PaintCounter counter(paints);
    Canvas()->installEventFilter(&counter);
    // The press alone, as a held key repeats it, with no event handled in between.
    QTest::keyPress(form_.get(), c.key);
    EXPECT_EQ(paints > 0, c.changes);
    const QImage shown = Picture();
    QTest::keyRelease(form_.get(), c.key);
    Canvas()->removeEventFilter(&counter);
    // What the key showed is what a full drawing shows, less the numbers a release redraws.
    if (c.key == Qt::Key_Delete || c.key == Qt::Key_Insert) {
      form_->Redraw();
      EXPECT_EQ(shown, Picture());
    }
  }
}

TEST_F(MainFormHabitsTest, TheStatusLineReadsOutWhatTheMarksShow) {
  // A node moved past the lowest temperature stops there, and so does its read-out.
  chart_.Nodes.AppendPoint(0.5f, 5.0f);
  Key(Qt::Key_Left);
  EXPECT_FLOAT_EQ(chart_.Nodes.GetNode(0).X, 0.0f);
  EXPECT_EQ(Status().toStdString().rfind(" Cursor: DB 0.0", 0), 0u) << Status().toStdString();
  chart_.Nodes.Reset();
  form_->Redraw();

  // Dragged above saturation the cursor sits on the curve; the read-out says where, during
  // the drag and after it, until the mouse leaves the chart.
  const QPoint from = PixelOf(chart_.Cursor);
  const QPoint above = PixelOf({25.0f, 30.0f});
  Press(Qt::LeftButton, from);
  Move(above, Qt::LeftButton);
  const std::string during = Status().toStdString();
  EXPECT_EQ(during.rfind(" Cursor: DB 2", 0), 0u) << during;
  EXPECT_NE(during.find("RH 100.0%"), std::string::npos) << during;
  Release(Qt::LeftButton, above);
  EXPECT_EQ(Status().toStdString(), during);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(Find("GraphPanel"), &leave);
  EXPECT_EQ(Status(), QString());

  // With a highlight the caption stays, after a drag and off the chart.
  Item("RelativeHumidity1")->trigger();
  Press(Qt::LeftButton, PixelOf(chart_.Cursor));
  Release(Qt::LeftButton, PixelOf(chart_.Cursor));
  QApplication::sendEvent(Find("GraphPanel"), &leave);
  EXPECT_EQ(Status().toStdString(), HighlightCaption(HighlightMode::RelativeHumidity));
}

TEST_F(MainFormHabitsTest, TheWindowKeepsEveryControlWithinReach) {
  struct Case {
    const char* stored;
    QSize expected;  // empty: the minimum
  };
  const Case cases[] = {{"1 1", {}}, {"5 5", {}}, {"1 600", {}}, {"600 500", {600, 500}}};
  const QSize minimum = form_->MinimumClientSize();
  EXPECT_EQ(form_->minimumSize(), minimum);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    form_.reset();
    WriteSetting(kSizeValueName, c.stored);
    Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    if (c.expected.isEmpty()) {
      EXPECT_EQ(form_->width(), minimum.width());
    } else {
      EXPECT_EQ(form_->frameGeometry().size(), c.expected);
    }
    form_->resize(1, 1);
    // The panels right of the toolbar give way; their commands stay in menus.
    for (QToolButton* button : form_->findChildren<QToolButton*>()) {
      if (!button->isVisibleTo(form_.get())) continue;
      const QRect bounds(button->mapTo(form_.get(), QPoint(0, 0)), button->size());
      EXPECT_TRUE(form_->rect().contains(bounds)) << button->objectName().toStdString();
    }
    for (const char* item : {"PrintChartItem", "ExportItem", "OpenWeatherItem", "ProcessTable1"}) {
      EXPECT_NE(form_->findChild<QAction*>(QString::fromLatin1(item)), nullptr) << item;
    }
    EXPECT_GT(Canvas()->height(), 50);
  }
  // Regression: a size given before the window was first shown gave way to the remembered one.
  form_ = std::make_unique<TMainForm>(session_);
  form_->resize(900, 700);
  form_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  EXPECT_EQ(form_->size(), QSize(900, 700));
}

// Regression: the dialogs grew to the size their texts need when first shown, after they had
// been centred at their designed size, so they opened off-centre.
TEST_F(MainFormHabitsTest, DialogsOpenCentredAndNoLargerThanTheirTextsNeed) {
  ExpressionEvaluator evaluator;
  TGraphForm graph(chart_, evaluator, form_.get());
  TNodesForm nodes(chart_, evaluator, form_.get());
  const std::pair<QDialog*, QSize> dialogs[] = {{&graph, {299, 318}}, {&nodes, {308, 140}}};
  // Far enough from the screen's edges for the dialogs to stand centred over the window.
  const QRect screen = form_->screen()->availableGeometry();
  const QPoint away = screen.topLeft() + QPoint(100, 100);
  form_->move(away);
  for (const auto& [dialog, designed] : dialogs) {
    SCOPED_TRACE(dialog->windowTitle().toStdString());
    EXPECT_EQ(dialog->size(), designed.expandedTo(dialog->minimumSizeHint()));
    CentreOver(*form_, *dialog);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    const QPoint offCentre = dialog->frameGeometry().center() - form_->frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ", " << offCentre.y();
    dialog->hide();
    // Over a window at the screen's corner a wider dialog would reach off it: it stands just
    // inside instead.
    form_->move(screen.topLeft());
    CentreOver(*form_, *dialog);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_TRUE(screen.contains(dialog->frameGeometry()));
    dialog->hide();
    form_->move(away);
  }
}

TEST_F(MainFormHabitsTest, ShortcutKeysPressTheirButtons) {
  QStringList pressed;
  const auto note = [&](const char* what) { return [&pressed, what] { pressed << what; }; };
  form_->Hooks().chooseOpenFile = [&](const QString&) {
    pressed << "open";
    return QString();
  };
  form_->Hooks().chooseSaveFile = [&](const QString&) {
    pressed << "save";
    return QString();
  };
  form_->Hooks().print = note("print");
  form_->Hooks().copyToClipboard = note("copy");
  form_->Hooks().showHelp = note("help");
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  const ChartPoint cursor = chart_.Cursor;
  for (const Qt::Key key : {Qt::Key_O, Qt::Key_S, Qt::Key_P, Qt::Key_C}) {
    Key(key, Qt::ControlModifier);
  }
  Key(Qt::Key_F1);
  EXPECT_EQ(pressed, (QStringList{"open", "save", "print", "copy", "help"}));
  EXPECT_EQ(chart_.Cursor.X, cursor.X);
}

TEST_F(MainFormHabitsTest, TheWheelZoomsAboutThePointerWithinLimits) {
  const QPoint at = PixelOf({10.0f, 20.0f});
  const float fitted = surface_.ScaleX;
  const auto turn = [&](int delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent wheel(at, Canvas()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Canvas(), &wheel);
  };
  turn(120, Qt::NoModifier);
  EXPECT_NEAR(surface_.ScaleX, fitted * 1.1f, fitted * 1e-4f);
  const PointF there = surface_.WorldToDevice(10.0f, 20.0f);
  EXPECT_NEAR(there.x, at.x(), 1.0f);
  EXPECT_NEAR(there.y, at.y(), 1.0f);
  turn(-120, Qt::ControlModifier);
  EXPECT_NEAR(surface_.ScaleX, fitted, fitted * 1e-4f);
  for (int i = 0; i < 200; ++i) turn(120, Qt::ControlModifier);
  EXPECT_NEAR(surface_.ScaleX, fitted * DrawingSurface::kMaxZoom, fitted * 1e-2f);
  for (int i = 0; i < 200; ++i) turn(-120, Qt::NoModifier);
  EXPECT_NEAR(surface_.ScaleX, fitted * DrawingSurface::kMinZoom, fitted * 1e-3f);
}

// Regression: a right-button pan showed only the chart's outline until the button came up.
TEST_F(MainFormHabitsTest, APanKeepsTheWholeChartDrawn) {
  // A pan step follows with the whole chart only where a drawing fits in a frame; the window
  // times the drawing it did last, which is this one.
  const auto start = std::chrono::steady_clock::now();
  form_->Redraw();
  const std::chrono::duration<double, std::milli> drawing =
      std::chrono::steady_clock::now() - start;
  if (drawing.count() > 1000.0 / 60.0) {
    GTEST_SKIP() << "a drawing took " << drawing.count() << " ms, longer than a frame";
  }
  const QPoint from = PixelOf({10.0f, 25.0f});
  Press(Qt::RightButton, from);
  Move(from + QPoint(40, 25), Qt::RightButton);
  const QImage panned = Picture();
  form_->Redraw();
  EXPECT_EQ(panned, Picture());
  Release(Qt::RightButton, from + QPoint(40, 25));
}

TEST_F(MainFormHabitsTest, ThePointerIsAHandOverWhatCanBeDragged) {
  chart_.Nodes.AppendPoint(40.0f, 5.0f);
  chart_.Nodes.Selected = -1;
  form_->Redraw();
  struct Case {
    ChartPoint at;
    bool relative;
    Qt::CursorShape shape;
  };
  const Case cases[] = {
      {{25.0f, 10.031f}, false, Qt::OpenHandCursor}, {{40.0f, 5.0f}, false, Qt::OpenHandCursor},
      {{20.0f, 7.34f}, true, Qt::OpenHandCursor},    {{20.0f, 7.34f}, false, Qt::CrossCursor},
      {{10.0f, 25.0f}, false, Qt::CrossCursor},
  };
  for (const Case& c : cases) {
    if (chart_.IsRelativeCursor() != c.relative) Item("RelativeCursor1")->trigger();
    Move(PixelOf(c.at), Qt::NoButton);
    EXPECT_EQ(Canvas()->cursor().shape(), c.shape) << c.at.X << ", " << c.at.Y;
  }
  // Pointing at a node is no press: it selects nothing.
  EXPECT_EQ(chart_.Nodes.Selected, -1);
  Press(Qt::LeftButton, PixelOf({10.0f, 25.0f}));
  EXPECT_EQ(Canvas()->cursor().shape(), Qt::ClosedHandCursor);
  Release(Qt::LeftButton, PixelOf({10.0f, 25.0f}));
}

}  // namespace
}  // namespace hygrovia
