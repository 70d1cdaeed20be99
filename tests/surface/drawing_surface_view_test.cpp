#include <cmath>
#include <cstddef>
#include <limits>

#include <gtest/gtest.h>

#include "support/recording_canvas.h"
#include "support/recording_control.h"
#include "surface/drawing_surface.h"
#include "surface/virtual_keys.h"

namespace hygrovia {
namespace {

using testing::RecordingCanvas;
using testing::RecordingControl;

constexpr float kZoomIn = 1.1f;
constexpr float kZoomOut = 0.90909094f;

struct View {
  float scale_x, scale_y, offset_x, offset_y;
};

View ViewOf(const DrawingSurface& s) { return {s.ScaleX, s.ScaleY, s.OffsetX, s.OffsetY}; }

// A fitted 0..50 by 0..35 chart on a 800 x 600 control that counts redraws.
class DrawingSurfaceView : public ::testing::Test {
 protected:
  DrawingSurfaceView() {
    surface_.Attach(&canvas_, &control_);
    surface_.SetXRange(0.0f, 50.0f);
    surface_.SetYRange(0.0f, 35.0f);
    surface_.SetMargins(0.5f, 1.1f, 0.5f, 1.1f);
    surface_.Fit(0.95f, surface_.DeviceWidth, surface_.DeviceHeight);
    surface_.SetRedrawHandler([this] { ++redraws_; });
    fitted_ = ViewOf(surface_);
  }

  // The world point under the centre of the window.
  PointF Centre() const {
    DrawingSurface unsnapped = surface_;
    unsnapped.SetSnap(0.0f, 0.0f);
    return unsnapped.DeviceToWorld(400, 300);
  }

  RecordingCanvas canvas_;
  RecordingControl control_{800, 600};
  DrawingSurface surface_;
  View fitted_{};
  int redraws_ = 0;
};

TEST_F(DrawingSurfaceView, AttachTakesTheDeviceSizeFromTheControl) {
  EXPECT_EQ(surface_.DeviceWidth, 800);
  EXPECT_EQ(surface_.DeviceHeight, 600);
  // A picture keeps the screen's geometry and no canvas keeps the one in use.
  surface_.Attach(nullptr, nullptr);
  EXPECT_EQ(surface_.Canvas, &canvas_);
  EXPECT_EQ(surface_.Control, nullptr);
  EXPECT_EQ(surface_.DeviceWidth, 800);
  surface_.RefreshControl();
  EXPECT_EQ(control_.Repaints(), 0);
  surface_.Attach(nullptr, &control_);
  surface_.RefreshControl();
  EXPECT_EQ(control_.Repaints(), 1);
}

TEST_F(DrawingSurfaceView, ZoomButtonsKeepTheCentreAndUndoEachOther) {
  const View fitted = fitted_;
  const PointF centre = Centre();
  surface_.ZoomAboutCentre(kZoomIn);
  EXPECT_FLOAT_EQ(surface_.ScaleX, fitted.scale_x * kZoomIn);
  // The centre moves by less than the pixel that truncating the offsets can cost.
  EXPECT_NEAR(Centre().x, centre.x, 1.0f / surface_.ScaleX);
  EXPECT_NEAR(Centre().y, centre.y, 1.0f / surface_.ScaleY);
  surface_.ZoomAboutCentre(kZoomOut);
  EXPECT_FLOAT_EQ(surface_.ScaleX, fitted.scale_x);
  EXPECT_FLOAT_EQ(surface_.ScaleY, fitted.scale_y);
  EXPECT_NEAR(surface_.OffsetX, fitted.offset_x, 1.0f);
  EXPECT_NEAR(surface_.OffsetY, fitted.offset_y, 1.0f);
  EXPECT_EQ(redraws_, 0) << "the buttons redraw, not the zoom itself";
}

TEST_F(DrawingSurfaceView, KeysPanZoomAndFit) {
  struct Case {
    int key;
    bool fine;
    float d_offset_x, d_offset_y;  // change in pixels
  };
  const Case pans[] = {
      {kKeyLeft, false, 80.0f, 0.0f}, {kKeyRight, false, -80.0f, 0.0f},
      {kKeyUp, false, 0.0f, -60.0f},  {kKeyDown, false, 0.0f, 60.0f},
      {kKeyLeft, true, 8.0f, 0.0f},   {kKeyDown, true, 0.0f, 6.0f},
  };
  for (const Case& c : pans) {
    const View before = ViewOf(surface_);
    const int redraws = redraws_;
    EXPECT_TRUE(surface_.HandleKey(c.key, c.fine)) << c.key;
    EXPECT_FLOAT_EQ(surface_.OffsetX - before.offset_x, c.d_offset_x) << c.key;
    EXPECT_FLOAT_EQ(surface_.OffsetY - before.offset_y, c.d_offset_y) << c.key;
    EXPECT_EQ(surface_.ScaleX, before.scale_x) << c.key;
    EXPECT_EQ(redraws_, redraws + 1) << c.key;
  }

  EXPECT_TRUE(surface_.HandleKey(kKeyHome, false));
  EXPECT_EQ(surface_.OffsetX, fitted_.offset_x);
  EXPECT_EQ(surface_.OffsetY, fitted_.offset_y);

  // Both plus keys zoom in by a tenth, both minus keys out by a tenth, fine or not.
  for (const int key : {kKeyPadPlus, kKeyPlusEquals}) {
    for (const bool fine : {false, true}) {
      surface_.HandleKey(kKeyHome, false);
      const PointF centre = Centre();
      EXPECT_TRUE(surface_.HandleKey(key, fine));
      EXPECT_FLOAT_EQ(surface_.ScaleX, fitted_.scale_x * 1.1f);
      EXPECT_FLOAT_EQ(surface_.ScaleY, fitted_.scale_y * 1.1f);
      EXPECT_NEAR(Centre().x, centre.x, 1.0f / surface_.ScaleX);
      EXPECT_NEAR(Centre().y, centre.y, 1.0f / surface_.ScaleY);
    }
  }
  for (const int key : {kKeyPadMinus, kKeyMinus}) {
    for (const bool fine : {false, true}) {
      surface_.HandleKey(kKeyHome, false);
      const PointF centre = Centre();
      EXPECT_TRUE(surface_.HandleKey(key, fine));
      EXPECT_FLOAT_EQ(surface_.ScaleX, fitted_.scale_x * 0.9f);
      EXPECT_NEAR(Centre().x, centre.x, 2.0f / surface_.ScaleX);
      EXPECT_NEAR(Centre().y, centre.y, 2.0f / surface_.ScaleY);
    }
  }
}

TEST_F(DrawingSurfaceView, OtherKeysAreLeftAlone) {
  const View before = ViewOf(surface_);
  for (const int key : {0, 0x20, 0x29, 0x41, 0x6C, 0xBC, 0xBE, -1}) {
    EXPECT_FALSE(surface_.HandleKey(key, false)) << key;
  }
  EXPECT_EQ(redraws_, 0);
  EXPECT_EQ(surface_.OffsetX, before.offset_x);
  EXPECT_EQ(surface_.ScaleX, before.scale_x);
}

TEST_F(DrawingSurfaceView, DragPanFollowsTheMouse) {
  struct Step {
    int x, y;
    bool active;
    bool changed;
    float offset_x, offset_y;  // relative to the fitted offsets
  };
  const Step steps[] = {
      {100, 100, false, true, 0.0f, 0.0f},     {110, 95, true, true, 10.0f, 5.0f},
      {110, 95, true, false, 10.0f, 5.0f},     {90, 120, true, true, -10.0f, -20.0f},
      {500, 500, false, true, -10.0f, -20.0f}, {500, 500, true, false, -10.0f, -20.0f},
      {499, 501, true, true, -11.0f, -21.0f},
  };
  const View fitted = fitted_;
  for (const Step& s : steps) {
    EXPECT_EQ(surface_.DragPan(s.x, s.y, s.active), s.changed) << s.x << "," << s.y;
    EXPECT_EQ(surface_.OffsetX - fitted.offset_x, s.offset_x) << s.x << "," << s.y;
    EXPECT_EQ(surface_.OffsetY - fitted.offset_y, s.offset_y) << s.x << "," << s.y;
    EXPECT_EQ(surface_.LastMouseX, s.x);
    EXPECT_EQ(surface_.LastMouseY, s.y);
  }
}

TEST_F(DrawingSurfaceView, ExtremeViewsStayDefined) {
  // Zooming or panning far beyond any sensible view must not reach undefined conversions.
  const float inf = std::numeric_limits<float>::infinity();
  for (const float factor : {1e30f, 1e-30f, 0.0f, -1.0f, inf, std::nanf("")}) {
    surface_.Fit(0.95f, 800, 600);
    for (int i = 0; i < 40; ++i) {
      surface_.ZoomAboutCentre(factor);
      surface_.HandleKey(kKeyPadPlus, false);
    }
    surface_.DragPan(std::numeric_limits<int>::min(), 0, false);
    surface_.DragPan(std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), true);
    surface_.DrawGrid();
    surface_.DrawCross(25.0f, 17.0f, 8);
    surface_.DrawSquare(25.0f, 17.0f, 1, 3);
    surface_.DrawArrow(0.0f, 0.0f, 25.0f, 17.0f, 1.0f);
    surface_.DrawText(25.0f, 17.0f,
                      "25.0\xC2\xB0"
                      "C",
                      6, 6);
    surface_.DrawLabel(25.0f, 17.0f, "label", 1);
    surface_.DeviceToWorld(400, 300);
  }
  // Besides the grid, each round draws 2 + 5 + 3 lines; the grid holds at most its cap.
  const auto per_round = static_cast<std::size_t>(2 * DrawingSurface::kMaxGridLines + 10);
  EXPECT_LE(canvas_.Lines().size(), 6 * per_round);
}

// The wheel zoom keeps the world point under the pointer there, and stops at its limits
// however often it is asked (the button zoom has none).
TEST_F(DrawingSurfaceView, ZoomAboutPointKeepsThePointerAndStopsAtTheLimits) {
  struct Case {
    float factor;
    int steps;
    float expectedZoom;  // ScaleX over the fitted scale afterwards
  };
  const Case cases[] = {
      {1.1f, 1, 1.1f},
      {1.0f / 1.1f, 1, 1.0f / 1.1f},
      {2.0f, 100, DrawingSurface::kMaxZoom},
      {0.5f, 100, DrawingSurface::kMinZoom},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.factor);
    for (const int x : {0, 123, 799}) {
      const int y = 450;
      surface_.Fit(0.95f, 800, 600);
      DrawingSurface unsnapped = surface_;
      unsnapped.SetSnap(0.0f, 0.0f);
      const PointF under = unsnapped.DeviceToWorld(x, y);
      for (int i = 0; i < c.steps; ++i) surface_.ZoomAboutPoint(c.factor, x, y);
      EXPECT_NEAR(surface_.ScaleX / fitted_.scale_x, c.expectedZoom, 1e-3f);
      EXPECT_FLOAT_EQ(surface_.ScaleX / surface_.ScaleY, fitted_.scale_x / fitted_.scale_y);
      const PointF device = surface_.WorldToDevice(under.x, under.y);
      EXPECT_NEAR(device.x, static_cast<float>(x), 1.0f);
      EXPECT_NEAR(device.y, static_cast<float>(y), 1.0f);
    }
  }
  // Beyond the limit by the buttons, the wheel only brings the view back.
  surface_.Fit(0.95f, 800, 600);
  surface_.ZoomAboutCentre(100.0f);
  EXPECT_FALSE(surface_.ZoomAboutPoint(1.1f, 400, 300));
  EXPECT_TRUE(surface_.ZoomAboutPoint(0.5f, 400, 300));
  for (const float bad : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(), 1e30f}) {
    surface_.ZoomAboutPoint(bad, 400, 300);
    EXPECT_TRUE(std::isfinite(surface_.ScaleX) && surface_.ScaleX > 0.0f) << bad;
  }
  EXPECT_EQ(redraws_, 0);
}

}  // namespace
}  // namespace hygrovia
