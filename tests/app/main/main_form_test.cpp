#include "app/main/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/widgets/chart_image.h"
#include "app/main/main_form_fixture.h"
#include "model/chart_settings.h"
#include "drawing/highlight_captions.h"
#include "model/node_list.h"
#include "base/number_text.h"
#include "model/status_line.h"
#include "data/chart_file.h"
#include "psychro/air_state.h"
#include "support/private_settings_folder.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

TEST_F(MainFormTest, ControlsCarryTheirHintsAndDesignBounds) {
  struct Control {
    const char* name;
    QRect bounds;
    const char* hint;
  };
  const Control controls[] = {
      {"Image1", {1, 1, 440, 23}, ""},
      {"LogoButton", {2, 25, 62, 60}, "About..."},
      {"OpenButton", {65, 25, 62, 60}, "Open Hygrovia data file."},
      {"SaveButton", {128, 25, 62, 60}, "Save Hygrovia data file."},
      {"ClipBdButton", {191, 25, 62, 60}, "Copy image to clipboard."},
      {"PrintButton", {254, 25, 62, 60}, "Print form."},
      {"SettingsButton", {317, 25, 62, 60}, "Edit graph settings"},
      {"HelpButton", {380, 25, 62, 60}, "Display help."},
      {"ZoomInButton", {1, 1, 24, 22}, "Zoom in"},
      {"FitButton", {25, 1, 24, 22}, "Zoom to fit"},
      {"ZoomOutButton", {49, 1, 24, 22}, "Zoom out"},
      {"SetupButton", {73, 1, 24, 22}, "Edit graph settings"},
  };
  for (const Control& c : controls) {
    const QWidget* control = Find(c.name);
    EXPECT_EQ(control->geometry(), c.bounds) << c.name;
    EXPECT_EQ(control->toolTip(), QString::fromLatin1(c.hint)) << c.name;
  }
  EXPECT_TRUE(form_->windowTitle().startsWith(QStringLiteral("Hygrovia")));
  // The remembered size, by default the designed 456 by 456, is the window's outer one.
  EXPECT_EQ(form_->frameGeometry().size(), QSize(456, 456));
  EXPECT_EQ(Find<QLabel>("StatusPanel")->text(), QString::fromStdString(status_.Text()));
}

TEST_F(MainFormTest, ResizingLaysOutTheControlsAndFitsTheChartAgain) {
  struct Size {
    int w, h;
  };
  // Each size differs from the one before, so each is a resize; the window keeps its
  // minimum size, so the smaller ones come out at that.
  const QSize minimum = form_->MinimumClientSize();
  for (const Size asked : {Size{600, 500}, Size{456, 456}, Size{1000, 700}, Size{300, 200},
                           Size{100, 300}, Size{700, 450}}) {
    SCOPED_TRACE(testing::Message() << asked.w << " x " << asked.h);
    Find<QToolButton>("ZoomInButton")->click();
    form_->resize(asked.w, asked.h);
    const Size s{std::max(asked.w, minimum.width()), std::max(asked.h, minimum.height())};
    ASSERT_EQ(form_->size(), QSize(s.w, s.h));
    EXPECT_EQ(Find("MainPanel")->geometry(), QRect(1, 4, 443, 86));
    EXPECT_EQ(Find("ButtonPanel")->geometry(), QRect(3, s.h - 26, 98, 24));
    EXPECT_EQ(Find("StatusPanel")->geometry(), QRect(105, s.h - 26, std::max(0, s.w - 107), 24));
    EXPECT_EQ(Find("GraphPanel")->geometry(), QRect(-1, 90, s.w, std::max(0, s.h - 117)));
    EXPECT_EQ(Canvas()->geometry(), QRect(1, 1, std::max(0, s.w - 3), std::max(0, s.h - 120)));
    EXPECT_EQ(surface_.DeviceWidth, std::max(1, s.w - 3));
    EXPECT_EQ(surface_.DeviceHeight, std::max(1, s.h - 120));
    // The picture has the screen's density and covers the whole chart area.
    const QImage& picture = static_cast<ChartImage*>(Canvas())->Picture();
    const qreal ratio = Canvas()->devicePixelRatioF();
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    EXPECT_GE(picture.width(), surface_.DeviceWidth * ratio);
    EXPECT_GE(picture.height(), surface_.DeviceHeight * ratio);
    // The zoom before the resize is gone: the view is the fitted one.
    const float scale = surface_.ScaleX;
    const float offset = surface_.OffsetX;
    surface_.Fit(surface_.FitFraction, surface_.DeviceWidth, surface_.DeviceHeight);
    EXPECT_FLOAT_EQ(surface_.ScaleX, scale);
    EXPECT_FLOAT_EQ(surface_.OffsetX, offset);
  }
}

TEST_F(MainFormTest, MenusHoldTheirItemsInOrder) {
  struct Menu {
    const char* name;
    QStringList items;
  };
  const Menu menus[] = {
      {"HighlightMenu",
       {"RelativeCursor1",
        "",
        "DryBulbTemperature1",
        "WetBulbTemperature1",
        "AbsoluteHumidity1",
        "RelativeHumidity1",
        "VapourPressure1",
        "SpecificVolume1",
        "Enthalpy1",
        "",
        "HeatingandCooling1",
        "DewPointandCondensation1",
        "AdiabaticProcesses1",
        "MixingAirStreams1",
        "",
        "AddNode2",
        "AddEditNodes1",
        "ClearNodes1",
        "",
        "EditGrapg1"}},
      {"PtsMenu", {"AddNode1", "Delete1", "Edit1", "ProcessTable1"}},
      {"NodesMenu", {"RelativeCursor2", "AddNodeatCursor1", "MenuItem3", "ProcessTable2"}},
  };
  for (const Menu& m : menus) {
    QStringList names;
    for (const QAction* item : Find<QMenu>(m.name)->actions()) names << item->objectName();
    EXPECT_EQ(names, m.items) << m.name;
  }
  struct ItemCase {
    const char* name;
    const char* caption;
    int tag;  // 0: no tag and no radio group
  };
  const ItemCase items[] = {
      {"RelativeCursor1", "&Relative Cursor", 0},
      {"DryBulbTemperature1", "&Dry Bulb Temperature", 1},
      {"WetBulbTemperature1", "&Wet Bulb Temperature", 2},
      {"AbsoluteHumidity1", "&Absolute Humidity", 3},
      {"RelativeHumidity1", "&Relative Humidity", 4},
      {"VapourPressure1", "&Vapour Pressure", 5},
      {"SpecificVolume1", "&Specific Volume", 6},
      {"Enthalpy1", "&Enthalpy", 7},
      {"HeatingandCooling1", "&Heating and Cooling", 8},
      {"DewPointandCondensation1", "Dew &Point and Condensation", 9},
      {"AdiabaticProcesses1", "Ad&iabatic Processes", 10},
      {"MixingAirStreams1", "&Mixing Air Streams", 11},
      {"AddNode2", "Add N&ode at Cursor", 0},
      {"AddEditNodes1", "Add/Edit &Nodes...", 0},
      {"ClearNodes1", "Clear Nodes", 0},
      {"EditGrapg1", "Edit &Graph...", 0},
      {"AddNode1", "&Insert Node", 0},
      {"Delete1", "&Delete Node", 0},
      {"Edit1", "&Edit Node...", 0},
      {"RelativeCursor2", "&Relative Cursor", 0},
      {"AddNodeatCursor1", "&Add Node at Cursor", 0},
      {"MenuItem3", "&Edit Graph...", 0},
      {"ProcessTable1", "&Process Table...", 0},
      {"ProcessTable2", "&Process Table...", 0},
  };
  const QActionGroup* radios = Item("DryBulbTemperature1")->actionGroup();
  ASSERT_NE(radios, nullptr);
  EXPECT_TRUE(radios->isExclusive());
  for (const ItemCase& i : items) {
    const QAction* item = Item(i.name);
    EXPECT_EQ(item->text(), QString::fromLatin1(i.caption)) << i.name;
    EXPECT_EQ(item->isChecked(), false) << i.name;
    EXPECT_EQ(item->actionGroup() == radios, i.tag > 0) << i.name;
    if (i.tag > 0) {
      EXPECT_EQ(item->data().toInt(), i.tag) << i.name;
    }
  }
}

TEST_F(MainFormTest, ProcessTableOpensFromTheToolbarAndBothPointMenus) {
  int shown = 0;
  form_->Hooks().showProcessTable = [&] { ++shown; };
  Find<QToolButton>("ProcessButton")->click();
  Item("ProcessTable1")->trigger();
  Item("ProcessTable2")->trigger();
  EXPECT_EQ(shown, 3);
}

TEST_F(MainFormTest, RightPressOpensTheMenuOfWhatItHits) {
  enum class Spot { Cursor, Arrow, Node, Empty };
  struct Case {
    const char* what;
    bool relative;
    Spot spot;
    const char* menu;  // empty: no menu, a pan starts
  };
  const Case cases[] = {
      {"cursor", false, Spot::Cursor, "NodesMenu"},
      {"cursor, relative", true, Spot::Cursor, "NodesMenu"},
      {"arrow, relative", true, Spot::Arrow, "NodesMenu"},
      {"arrow, not relative", false, Spot::Arrow, ""},
      {"node", false, Spot::Node, "PtsMenu"},
      {"node, relative", true, Spot::Node, "PtsMenu"},
      {"empty chart", false, Spot::Empty, ""},
  };
  chart_.Nodes.AppendPoint(40.0f, 5.0f);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (chart_.IsRelativeCursor() != c.relative) Item("RelativeCursor1")->trigger();
    const ChartPoint spots[] = {chart_.Cursor, chart_.Arrow, chart_.Nodes.GetNode(0), {10, 25}};
    const QPoint at = PixelOf(spots[static_cast<int>(c.spot)]);
    popups_.clear();
    Press(Qt::RightButton, at);
    if (*c.menu != '\0') {
      EXPECT_EQ(popups_, QStringList{QString::fromLatin1(c.menu)});
      EXPECT_EQ(popupAt_, Canvas()->mapToGlobal(at) - QPoint(1, 1));
      EXPECT_EQ(surface_.DragButton, DrawingSurface::kNoDrag);
    } else {
      EXPECT_TRUE(popups_.isEmpty());
      EXPECT_EQ(surface_.DragButton, 1);
    }
    Release(Qt::RightButton, at);
    EXPECT_EQ(surface_.DragButton, DrawingSurface::kNoDrag);
  }
}

TEST_F(MainFormTest, RightDragPansTheChartUntilRelease) {
  const QPoint from = PixelOf({10, 25});
  const float offsetX = surface_.OffsetX;
  const float offsetY = surface_.OffsetY;
  Press(Qt::RightButton, from);
  Move(from + QPoint(30, 20), Qt::RightButton);
  EXPECT_FLOAT_EQ(surface_.OffsetX, offsetX + 30);
  EXPECT_FLOAT_EQ(surface_.OffsetY, offsetY - 20);
  Release(Qt::RightButton, from + QPoint(30, 20));
  EXPECT_EQ(surface_.DragButton, DrawingSurface::kNoDrag);
  EXPECT_FLOAT_EQ(surface_.OffsetX, offsetX + 30);
}

TEST_F(MainFormTest, LeftDragMovesTheCursorAndRewritesTableAndStatus) {
  const auto tableBefore = chart_.TableLines;
  const QPoint from = PixelOf({30, 5});
  Press(Qt::LeftButton, from);
  EXPECT_EQ(chart_.DragTarget, DragTarget::Cursor);
  EXPECT_EQ(surface_.DragButton, 0);
  EXPECT_NEAR(chart_.Cursor.X, 30.0f, 0.2f);

  const QPoint to = PixelOf({35, 8});
  Move(to, Qt::LeftButton);
  const PointF expected = surface_.DeviceToWorld(to.x(), to.y());
  EXPECT_FLOAT_EQ(chart_.Cursor.X, expected.x);
  EXPECT_FLOAT_EQ(chart_.Cursor.Y, expected.y);
  EXPECT_NE(chart_.TableLines, tableBefore);
  EXPECT_EQ(status_.Text().rfind(ReadOutStart(to), 0), 0u) << status_.Text();
  EXPECT_EQ(Find<QLabel>("StatusPanel")->text(), QString::fromStdString(status_.Text()));

  Release(Qt::LeftButton, to);
  EXPECT_EQ(chart_.DragTarget, DragTarget::None);
  EXPECT_EQ(surface_.DragButton, DrawingSurface::kNoDrag);
  // The cursor dragged stays read out.
  EXPECT_EQ(status_.Text().rfind(ReadOutStart(to), 0), 0u) << status_.Text();
  // Moving on without a button only reads out the air under the mouse.
  Move(from, Qt::NoButton);
  EXPECT_FLOAT_EQ(chart_.Cursor.X, expected.x);
  EXPECT_EQ(status_.Text().rfind(ReadOutStart(from), 0), 0u) << status_.Text();
}

// Regression: a drag changed the chart picture but the control was never repainted, so the
// cursor seemed to stay where it was until the next full redraw.
TEST_F(MainFormTest, DraggingRepaintsTheChartControl) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  int paints = 0;
  PaintCounter counter(paints);
  Canvas()->installEventFilter(&counter);
  Press(Qt::LeftButton, PixelOf({30, 5}));
  Move(PixelOf({35, 8}), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_GT(paints, 0);
  const int afterMove = paints;
  Release(Qt::LeftButton, PixelOf({35, 8}));
  QApplication::processEvents();
  EXPECT_GT(paints, afterMove);
}

TEST_F(MainFormTest, ArrowKeysStepTheValueShownInTheVerticalUnit) {
  struct Case {
    int units;
    bool relative;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    float dx, dy;
  };
  const Case cases[] = {
      {VerticalAxisUnits::RelativeHumidity, false, Qt::Key_Up, Qt::NoModifier, 0, 1},
      {VerticalAxisUnits::RelativeHumidity, false, Qt::Key_Up, Qt::ShiftModifier, 0, 0.1f},
      {VerticalAxisUnits::RelativeHumidity, false, Qt::Key_Down, Qt::NoModifier, 0, -1},
      {VerticalAxisUnits::RelativeHumidity, true, Qt::Key_Up, Qt::NoModifier, 0, 1},
      {VerticalAxisUnits::AbsoluteHumidity, false, Qt::Key_Up, Qt::NoModifier, 0, 1},
      {VerticalAxisUnits::AbsoluteHumidity, false, Qt::Key_Down, Qt::ShiftModifier, 0, -0.1f},
      {VerticalAxisUnits::VapourPressure, false, Qt::Key_Up, Qt::NoModifier, 0, 1},
      {VerticalAxisUnits::VapourPressure, true, Qt::Key_Down, Qt::ShiftModifier, 0, -0.1f},
      {VerticalAxisUnits::AbsoluteHumidity, false, Qt::Key_Left, Qt::NoModifier, -1, 0},
      {VerticalAxisUnits::RelativeHumidity, false, Qt::Key_Right, Qt::ShiftModifier, 0.1f, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "units " << c.units << " key " << c.key);
    chart_.SetVerticalAxisUnits(c.units);
    if (chart_.IsRelativeCursor() != c.relative) Item("RelativeCursor1")->trigger();
    chart_.Cursor = {25.0f, 8.0f};
    chart_.Arrow = {20.0f, 7.0f};
    chart_.SetPointFromUnits(chart_.PointInUnits(c.relative).X, c.units == 0 ? 40.0f : 1.2f,
                             c.relative);
    const ChartPoint before = chart_.PointInUnits(c.relative);
    Key(c.key, c.modifiers);
    const ChartPoint after = chart_.PointInUnits(c.relative);
    EXPECT_NEAR(after.X, before.X + c.dx, 1e-3);
    EXPECT_NEAR(after.Y, before.Y + c.dy, 1e-3);
    EXPECT_EQ(status_.Text().rfind(c.relative ? " Arrow: DB" : " Cursor: DB", 0), 0u);
  }
}

TEST_F(MainFormTest, WithNodesTheArrowKeysMoveTheSelectedNodeInGramsPerKilogram) {
  AddNodes(3);
  chart_.Nodes.Selected = 1;
  const ChartPoint cursor = chart_.Cursor;
  Key(Qt::Key_Up);
  EXPECT_NEAR(chart_.Nodes.GetNode(1).Y, 6.0f, 1e-4);
  Key(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_NEAR(chart_.Nodes.GetNode(1).X, 14.9f, 1e-4);
  EXPECT_EQ(status_.Text().rfind(" Cursor: DB 14.9", 0), 0u) << status_.Text();
  EXPECT_EQ(chart_.Cursor.X, cursor.X);
  EXPECT_EQ(chart_.Cursor.Y, cursor.Y);
  // A selection beyond the list moves the last node.
  chart_.Nodes.Selected = 7;
  Key(Qt::Key_Down);
  EXPECT_NEAR(chart_.Nodes.GetNode(2).Y, 4.0f, 1e-4);
  EXPECT_EQ(chart_.Nodes.Selected, 2);
}

TEST_F(MainFormTest, NodeKeysSelectAddAndRemoveNodes) {
  struct Case {
    int count, selected;
    Qt::Key key;
    int countAfter, selectedAfter;
  };
  const Case cases[] = {
      {3, 0, Qt::Key_Tab, 3, 1},      {3, 2, Qt::Key_Tab, 3, 0},
      {3, -1, Qt::Key_Tab, 3, 0},     {0, -1, Qt::Key_Tab, 0, -1},
      {3, 0, Qt::Key_PageDown, 3, 1}, {3, 2, Qt::Key_PageDown, 3, 2},
      {3, 2, Qt::Key_PageUp, 3, 1},   {3, 0, Qt::Key_PageUp, 3, 0},
      {0, -1, Qt::Key_Insert, 1, 0},  {3, 1, Qt::Key_Insert, 4, 2},
      {3, -1, Qt::Key_Insert, 4, 3},  {1, 0, Qt::Key_Delete, 0, 0},
      {3, 1, Qt::Key_Delete, 2, 1},   {3, -1, Qt::Key_Delete, 3, -1},
      {0, -1, Qt::Key_Delete, 0, -1}, {24, 23, Qt::Key_Insert, 24, 23},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.count << " nodes, " << c.selected << ", key " << c.key);
    chart_.Nodes.Reset();
    AddNodes(c.count);
    chart_.Nodes.Selected = c.selected;
    Key(c.key);
    EXPECT_EQ(chart_.Nodes.Count, c.countAfter);
    EXPECT_EQ(chart_.Nodes.Selected, c.selectedAfter);
  }
  chart_.Nodes.Reset();
  Key(Qt::Key_Insert);
  EXPECT_EQ(chart_.Nodes.GetNode(0).X, chart_.Cursor.X);
  EXPECT_EQ(chart_.Nodes.GetNode(0).Y, chart_.Cursor.Y);
}

TEST_F(MainFormTest, HighlightItemsCheckAndToggleTheMode) {
  Item("DryBulbTemperature1")->trigger();
  EXPECT_EQ(chart_.GetHighlight(), 1);
  EXPECT_TRUE(Item("DryBulbTemperature1")->isChecked());
  EXPECT_EQ(status_.Text(), HighlightCaption(1));

  // Switched off by choosing it again, the mode loses its check mark.
  Item("DryBulbTemperature1")->trigger();
  EXPECT_EQ(chart_.GetHighlight(), 0);
  EXPECT_FALSE(Item("DryBulbTemperature1")->isChecked());

  Item("Enthalpy1")->trigger();
  EXPECT_EQ(chart_.GetHighlight(), 7);
  EXPECT_EQ(chart_.ShowEnthalpyLines, 1);
  EXPECT_TRUE(Item("Enthalpy1")->isChecked());
  EXPECT_FALSE(Item("DryBulbTemperature1")->isChecked());

  Item("MixingAirStreams1")->trigger();
  EXPECT_EQ(chart_.GetHighlight(), 11);
  EXPECT_EQ(chart_.ShowEnthalpyLines, 1);
}

TEST_F(MainFormTest, RelativeCursorItemsToggleTheModeAndBothCheckMarks) {
  for (const char* name : {"RelativeCursor1", "RelativeCursor2", "RelativeCursor2"}) {
    const bool was = chart_.IsRelativeCursor();
    Item(name)->trigger();
    EXPECT_EQ(chart_.IsRelativeCursor(), !was) << name;
    EXPECT_EQ(Item("RelativeCursor1")->isChecked(), !was) << name;
    EXPECT_EQ(Item("RelativeCursor2")->isChecked(), !was) << name;
  }
}

TEST_F(MainFormTest, NodeItemsChangeTheList) {
  Item("AddNode2")->trigger();
  Item("AddNodeatCursor1")->trigger();
  EXPECT_EQ(chart_.Nodes.Count, 2);
  Item("AddNode1")->trigger();
  EXPECT_EQ(chart_.Nodes.Count, 3);
  EXPECT_EQ(chart_.Nodes.Selected, 2);
  Item("Delete1")->trigger();
  EXPECT_EQ(chart_.Nodes.Count, 2);
  Item("ClearNodes1")->trigger();
  EXPECT_EQ(chart_.Nodes.Count, 0);
  EXPECT_EQ(chart_.Nodes.Selected, 2);
}

TEST_F(MainFormTest, ViewKeysPanZoomAndFit) {
  const float fittedX = surface_.OffsetX;
  const float fittedY = surface_.OffsetY;
  const float scale = surface_.ScaleX;
  const ChartPoint cursor = chart_.Cursor;
  const float width = static_cast<float>(surface_.DeviceWidth);

  Key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_FLOAT_EQ(surface_.OffsetX, fittedX + 0.1f * width);
  Key(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_NEAR(surface_.OffsetX, fittedX + 0.11f * width, 1e-3);
  EXPECT_EQ(chart_.Cursor.X, cursor.X);
  Key(Qt::Key_Home);
  EXPECT_FLOAT_EQ(surface_.OffsetX, fittedX);

  Key(Qt::Key_Left);
  EXPECT_FLOAT_EQ(surface_.OffsetX, fittedX);
  EXPECT_NEAR(chart_.Cursor.X, cursor.X - 1.0f, 1e-4);

  Key(Qt::Key_Up, Qt::ControlModifier);
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_FLOAT_EQ(surface_.OffsetY, fittedY);

  struct Zoom {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    float factor;
  };
  for (const Zoom z :
       {Zoom{Qt::Key_Plus, Qt::KeypadModifier, 1.1f}, Zoom{Qt::Key_Minus, Qt::KeypadModifier, 0.9f},
        Zoom{Qt::Key_Equal, Qt::NoModifier, 1.1f}, Zoom{Qt::Key_Minus, Qt::NoModifier, 0.9f},
        Zoom{Qt::Key_Plus, Qt::ControlModifier, 1.1f}}) {
    Key(Qt::Key_Home);
    Key(z.key, z.modifiers);
    EXPECT_FLOAT_EQ(surface_.ScaleX, scale * z.factor) << z.key;
  }
}

TEST_F(MainFormTest, ZoomButtonsReturnToTheScaleAndFitReturnsToTheFittedView) {
  const float scale = surface_.ScaleY;
  const float offsetX = surface_.OffsetX;
  Find<QToolButton>("ZoomInButton")->click();
  EXPECT_FLOAT_EQ(surface_.ScaleY, scale * 1.1f);
  Find<QToolButton>("ZoomOutButton")->click();
  EXPECT_NEAR(surface_.ScaleY, scale, scale * 1e-6f);
  EXPECT_NEAR(surface_.OffsetX, offsetX, 1.0f);
  Key(Qt::Key_Right, Qt::ControlModifier);
  Find<QToolButton>("FitButton")->click();
  EXPECT_FLOAT_EQ(surface_.OffsetX, offsetX);
}

TEST_F(MainFormTest, SettingsButtonPopsUpTheHighlightMenuUnderItself) {
  auto* button = Find<QToolButton>("SettingsButton");
  const QPoint under = button->mapToGlobal(QPoint(0, button->height())) - QPoint(2, 0);
  button->click();
  QTest::mousePress(button, Qt::RightButton);
  QTest::mouseRelease(button, Qt::RightButton);
  QTest::mousePress(button, Qt::MiddleButton);
  QTest::mouseRelease(button, Qt::MiddleButton);
  EXPECT_EQ(popups_, (QStringList{"HighlightMenu", "HighlightMenu"}));
  EXPECT_EQ(popupAt_, under);
}

TEST_F(MainFormTest, SetupAppliesTheSettingsOnlyWhenTheDialogSaysOk) {
  bool accept = false;
  int shown = 0;
  form_->Hooks().editSettings = [&] {
    ++shown;
    chart_.TempMax = 40.0f;
    return accept;
  };
  const float maxX = surface_.MaxX;
  Find<QToolButton>("SetupButton")->click();
  EXPECT_FLOAT_EQ(surface_.MaxX, maxX);
  accept = true;
  Item("MenuItem3")->trigger();
  EXPECT_FLOAT_EQ(surface_.MaxX, 40.0f);
  Item("EditGrapg1")->trigger();
  EXPECT_EQ(shown, 3);
}

TEST_F(MainFormTest, SaveAddsTheExtensionAndOpenLoadsTheFileBack) {
  QTemporaryDir folder;
  const QString typed = folder.filePath(QStringLiteral("my chart"));
  const QString saved = typed + QStringLiteral(".hgv");
  QString offered;
  form_->Hooks().chooseSaveFile = [&](const QString& last) {
    offered = last;
    return typed;
  };
  form_->Hooks().chooseOpenFile = [&](const QString& last) {
    offered = last;
    return saved;
  };
  chart_.Cursor = {12.5f, 6.25f};
  Find<QToolButton>("SaveButton")->click();
  ASSERT_TRUE(QFile::exists(saved));
  Find<QToolButton>("SaveButton")->click();
  EXPECT_EQ(offered, saved);

  chart_.Cursor = {30.0f, 9.0f};
  Find<QToolButton>("OpenButton")->click();
  EXPECT_FLOAT_EQ(chart_.Cursor.X, 12.5f);
  EXPECT_FLOAT_EQ(chart_.Cursor.Y, 6.25f);
  EXPECT_TRUE(errors_.isEmpty());

  form_->Hooks().chooseOpenFile = [&](const QString&) { return folder.filePath("missing.hgv"); };
  Find<QToolButton>("OpenButton")->click();
  form_->Hooks().chooseSaveFile = [&](const QString&) { return folder.filePath("no/such.hgv"); };
  Find<QToolButton>("SaveButton")->click();
  ASSERT_EQ(errors_.size(), 2);
  EXPECT_TRUE(errors_[0].contains(QStringLiteral("missing.hgv"))) << errors_[0].toStdString();
  EXPECT_TRUE(errors_[1].contains(QStringLiteral("such.hgv"))) << errors_[1].toStdString();

  form_->Hooks().chooseOpenFile = [](const QString&) { return QString(); };
  Find<QToolButton>("OpenButton")->click();
  EXPECT_EQ(errors_.size(), 2);
}

TEST_F(MainFormTest, FileDialogsShowTheirTitlesAndOneFilterEach) {
  struct Case {
    const char* button;
    const char* title;
    const char* filter;
  };
  const Case cases[] = {
      {"OpenButton", "Open Hygrovia Data...", "Hygrovia Date Files (*.HGV)"},
      {"SaveButton", "Save Hygrovia Data...", "Hygrovia Data Files (*.HGV)"},
  };
  for (const Case& c : cases) {
    QStringList filters;
    const QStringList titles = ModalsOpenedBy(
        [&] { Find<QToolButton>(c.button)->click(); },
        [&](QWidget& dialog) {
          const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
          ASSERT_NE(types, nullptr);
          for (int i = 0; i < types->count(); ++i) filters << types->itemText(i);
        });
    EXPECT_EQ(titles, QStringList{QString::fromLatin1(c.title)}) << c.button;
    EXPECT_EQ(filters, QStringList{QString::fromLatin1(c.filter)}) << c.button;
  }
}

TEST_F(MainFormTest, CommandLineLoadsFilesWithSpacesInTheirNamesAndWarnsQuietly) {
  QTemporaryDir folder;
  const auto write = [&](const char* name, float x) {
    chart_.Cursor = {x, 5.0f};
    chart_.Nodes.Reset();
    chart_.Nodes.AppendPoint(x, 4.0f);
    const QString path = folder.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(SaveChartFile(QFile::encodeName(path).toStdString(), chart_).Ok());
    return path.toStdString();
  };
  const std::string first = write("a.hgv", 11.0f);
  const std::string second = write("b with spaces.hgv", 22.0f);
  chart_.Cursor = {30.0f, 9.0f};

  ::testing::internal::CaptureStderr();
  form_->ProcessCommandLine({first, folder.filePath("gone.hgv").toStdString(), second});
  const std::string warnings = ::testing::internal::GetCapturedStderr();
  EXPECT_FLOAT_EQ(chart_.Cursor.X, 22.0f);
  EXPECT_EQ(chart_.Nodes.Count, 1);
  EXPECT_FLOAT_EQ(chart_.Nodes.GetNode(0).X, 22.0f);
  EXPECT_NE(warnings.find("gone.hgv"), std::string::npos) << warnings;
  EXPECT_TRUE(errors_.isEmpty());

  form_->ProcessCommandLine({"-arrow", "20", "40"});
  EXPECT_TRUE(chart_.IsRelativeCursor());
  EXPECT_TRUE(Item("RelativeCursor1")->isChecked());
  EXPECT_TRUE(Item("RelativeCursor2")->isChecked());
}

TEST_F(MainFormTest, ClosingRemembersSizeAndPointsForTheNextRun) {
  form_->resize(600, 500);
  Key(Qt::Key_Up);
  Item("RelativeCursor1")->trigger();
  Key(Qt::Key_Left);
  const double cursorX = cursorState_.DryBulb;
  const double cursorY = cursorState_.AbsHumidity;
  const double arrowX = arrowState_.DryBulb;
  const double arrowY = arrowState_.AbsHumidity;
  EXPECT_TRUE(form_->close());
  form_.reset();

  chart_.Cursor = {25.0f, 10.031f};
  chart_.Arrow = {20.0f, 7.34f};
  Open();
  EXPECT_EQ(form_->size(), QSize(600, 500));
  EXPECT_NEAR(chart_.Cursor.X, cursorX, 0.006);
  EXPECT_NEAR(chart_.Cursor.Y, cursorY, 0.006);
  EXPECT_NEAR(chart_.Arrow.X, arrowX, 0.006);
  EXPECT_NEAR(chart_.Arrow.Y, arrowY, 0.006);
}

TEST_F(MainFormTest, TheUnitsChosenLastAreTheNextRunsWithTheirRanges) {
  // A run in SI, then one closed in inch-pound units, then one closed in SI again.
  const UnitSystem closedIn[] = {UnitSystem::Si, UnitSystem::Ip, UnitSystem::Si};
  const float tempMax[] = {50.0f, 50.0f, 440.0f / 9.0f};
  for (int run = 0; run < 3; ++run) {
    EXPECT_EQ(chart_.GetUnits().System(), run == 2 ? UnitSystem::Ip : UnitSystem::Si) << run;
    EXPECT_NEAR(chart_.TempMax, tempMax[run], 1e-5) << run;
    chart_.SetUnitSystem(closedIn[run]);
    EXPECT_TRUE(form_->close());
    form_.reset();
    chart_.SetUnitSystem(UnitSystem::Si);
    chart_.SetRanges(0.0f, 0.0f, 50.0f, 35.0f);
    Open();
  }
  EXPECT_EQ(chart_.GetUnits().System(), UnitSystem::Si);
  EXPECT_FLOAT_EQ(chart_.TempMax, 50.0f);
}

TEST_F(MainFormTest, FirstRunKeepsTheDefaultPoints) {
  EXPECT_FLOAT_EQ(chart_.Cursor.X, 25.0f);
  EXPECT_FLOAT_EQ(chart_.Arrow.X, 20.0f);
}

}  // namespace
}  // namespace hygrovia
