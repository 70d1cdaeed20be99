#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include "session/chart_session.h"
#include "app/output/qt_canvas.h"
#include "drawing/chart_cursor.h"
#include "drawing/chart_drawing.h"
#include "model/chart_settings.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "support/recording_control.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// The default chart in relative-cursor mode with three nodes, drawn on a real image.
class ImageChart : public ::testing::Test {
 protected:
  void SetUp() override {
    canvas_.SetFont(QStringLiteral("Arial"), 8);
    surface_.Attach(&canvas_, &control_);
    chart_.ApplyToSurface();
    chart_.SetRelativeCursor(1);
    for (const ChartPoint p : {ChartPoint{15, 5}, ChartPoint{22, 9}, ChartPoint{35, 12}}) {
      chart_.Nodes.AppendPoint(p.X, p.Y);
    }
    chart_.Nodes.Selected = 1;
    surface_.Clear(kButtonFace);
    DrawChart(chart_, status_);
  }

  QImage image_{640, 480, QImage::Format_RGB32};
  QtCanvas canvas_{&image_};
  testing::RecordingControl control_{640, 480};
  ChartSession session_;
  DrawingSurface& surface_ = session_.Surface();
  ChartSettings& chart_ = session_.Settings();
  StatusLine& status_ = session_.Status();
};

TEST_F(ImageChart, DraggingTheCursorOrArrowAwayAndBackLeavesNoTrace) {
  for (const int target : {DragTarget::Cursor, DragTarget::Arrow}) {
    const QImage before = image_.copy();
    const ChartPoint home = target == DragTarget::Cursor ? chart_.Cursor : chart_.Arrow;
    // Grabbing selects the cursor's square; the drag goes out and comes back; the release
    // puts the marks to rest.
    if (target == DragTarget::Cursor) {
      const PointF at = surface_.WorldToDevice(home.X, home.Y);
      ASSERT_TRUE(GrabAt(chart_, static_cast<int>(at.x), static_cast<int>(at.y), true));
    } else {
      chart_.DragTarget = DragTarget::Arrow;
      DrawCursorMarks(chart_, 0);
      DrawCursorMarks(chart_, 1);
    }
    ASSERT_EQ(chart_.DragTarget, target);
    MoveGrabbedTo(chart_, 40.0f, 6.0f);
    EXPECT_NE(image_, before) << target;
    MoveGrabbedTo(chart_, home.X, home.Y);
    DrawCursorMarks(chart_, 1);
    DrawCursorMarks(chart_, 0);
    chart_.DragTarget = DragTarget::None;
    EXPECT_EQ(image_, before) << "marks of target " << target << " left a trace";
  }
}

// Regression: the links to the following node were erased in the other direction than the
// whole chart draws them, so a moved node left a pixel behind where it stood.
TEST_F(ImageChart, MovingANodeLeavesNoTraceWhereItStood) {
  const ChartPoint home = chart_.Nodes.GetNode(1);
  const PointF homePixel = surface_.WorldToDevice(home.X, home.Y);
  ASSERT_TRUE(chart_.Nodes.MoveSelectedTo(30.0f, 3.0f, chart_, surface_));

  // The same chart drawn whole with the node already moved.
  QImage fresh(image_.size(), image_.format());
  QtCanvas freshCanvas(&fresh);
  freshCanvas.SetFont(QStringLiteral("Arial"), 8);
  surface_.Attach(&freshCanvas, &control_);
  surface_.Clear(kButtonFace);
  DrawChart(chart_, status_);
  surface_.Attach(&canvas_, &control_);

  // Around the old place, above its number label (which follows at the next whole drawing).
  const int cx = static_cast<int>(homePixel.x);
  const int cy = static_cast<int>(homePixel.y);
  for (int y = cy - 4; y <= cy + 2; ++y) {
    for (int x = cx - 4; x <= cx + 4; ++x) {
      EXPECT_EQ(image_.pixel(x, y), fresh.pixel(x, y)) << "pixel " << x << ", " << y;
    }
  }
}

TEST_F(ImageChart, MovingANodeAwayAndBackLeavesNoTrace) {
  const QImage before = image_.copy();
  const ChartPoint home = chart_.Nodes.GetNode(1);
  ASSERT_TRUE(chart_.Nodes.MoveSelectedTo(30.0f, 3.0f, chart_, surface_));
  EXPECT_NE(image_, before);
  ASSERT_TRUE(chart_.Nodes.MoveSelectedTo(home.X, home.Y, chart_, surface_));
  EXPECT_EQ(image_, before);
}

}  // namespace
}  // namespace hygrovia
