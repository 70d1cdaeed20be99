#ifndef HYGROVIA_TESTS_SUPPORT_RECORDING_CONTROL_H
#define HYGROVIA_TESTS_SUPPORT_RECORDING_CONTROL_H

#include "surface/canvas.h"

namespace hygrovia::testing {

// A control of fixed client size that counts the repaints asked of it.
class RecordingControl : public SurfaceControl {
 public:
  RecordingControl(int width, int height) : width_(width), height_(height) {}

  int ClientWidth() const override { return width_; }
  int ClientHeight() const override { return height_; }
  void RepaintNow() override { ++repaints_; }

  int Repaints() const { return repaints_; }

 private:
  int width_;
  int height_;
  int repaints_ = 0;
};

}  // namespace hygrovia::testing

#endif  // HYGROVIA_TESTS_SUPPORT_RECORDING_CONTROL_H
