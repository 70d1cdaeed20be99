// What a mouse move shows: the marks of a style that never XORs them, painted over the chart
// picture, and the parts of the picture drawn on, so that a drag repaints only where the marks
// stood and where they stand.
#include <QPaintDevice>
#include <QRegion>
#include <cmath>

#include "app/output/qt_canvas.h"
#include "app/widgets/chart_image.h"
#include "app/main/main_form.h"
#include "session/chart_session.h"
#include "model/chart_settings.h"
#include "styles/clear_marks.h"
#include "drawing/data_table.h"
#include "surface/drawing_surface.h"
#include "surface/pixel.h"

namespace hygrovia {
namespace {

// The pixels a box covers; none for an empty box.
QRect PixelsOf(const TextBox& box) {
  if (!(box.left <= box.right) || !(box.top <= box.bottom)) return {};
  const int left = TruncToPixel(std::floor(box.left));
  const int top = TruncToPixel(std::floor(box.top));
  const int right = TruncToPixel(std::ceil(box.right));
  const int bottom = TruncToPixel(std::ceil(box.bottom));
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

void TMainForm::PaintMarks(QPaintDevice& device) {
  DrawingSurface& surface = settings_.Surface();
  if (!surface.MarksOverPicture) return;
  QtCanvas marks;
  marks.SetFont(canvas_.Font().family(), canvas_.Font().pointSize());
  marks.SetDevice(&device);
  marks.SetTextScale(surface.TextScale);
  hygrovia::Canvas* const picture = surface.Canvas;
  surface.Canvas = &marks;
  DrawSolidMarks(settings_);
  surface.Canvas = picture;
  marksShown_ = PixelsOf(SolidMarksBox(settings_));
}

void TMainForm::ShowChartChanges() {
  session_.Changed();
  // Only what the handlers drew into the picture is copied to the screen again: on a drag the
  // marks where they stood and stand, their joined lines and the table rows.
  QRegion changed = canvas_.TakeDrawn();
  if (settings_.Surface().MarksOverPicture) {
    changed += marksShown_;
    changed += PixelsOf(SolidMarksBox(settings_));
    changed += PixelsOf(TableBox(settings_));
  }
  if (!changed.isEmpty()) GraphCanvas->update(changed);
}

}  // namespace hygrovia
