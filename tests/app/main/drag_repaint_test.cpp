// A drag step copies to the screen only what it changed: the marks where they stood and stand,
// the lines joined to them and the table rows, in both styles.
#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <optional>

#include "app/main/main_form_fixture.h"
#include "app/widgets/chart_image.h"

namespace hygrovia {
namespace {

// The union of the regions of the paints the chart control receives.
class PaintedRegion : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
    return QObject::eventFilter(watched, event);
  }
  QRegion region;
};

long long AreaOf(const QRegion& region) {
  long long area = 0;
  for (const QRect& rect : region) area += static_cast<long long>(rect.width()) * rect.height();
  return area;
}

// The first pixel that differs between the pictures and lies outside the region; none when
// every change is repainted.
std::optional<QPoint> ChangeOutside(const QImage& before, const QImage& after,
                                    const QRegion& region) {
  for (int y = 0; y < before.height(); ++y) {
    for (int x = 0; x < before.width(); ++x) {
      if (before.pixel(x, y) != after.pixel(x, y) && !region.contains(QPoint(x, y))) {
        return QPoint(x, y);
      }
    }
  }
  return std::nullopt;
}

using DragRepaintTest = MainFormTest;

TEST_F(DragRepaintTest, RepaintsOnlyTheMarksTheirLinesAndTheTable) {
  struct Case {
    ChartStyleName style;
    bool relative;  // the arrow joined to the cursor moves with it
  };
  const Case cases[] = {{ChartStyleName::Classic, false},
                        {ChartStyleName::Classic, true},
                        {ChartStyleName::Clear, false},
                        {ChartStyleName::Clear, true}};
  form_->resize(1200, 900);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style) * 2 + (c.relative ? 1 : 0));
    chart_.SetChartStyle(c.style);
    chart_.SetRelativeCursor(c.relative);
    form_->Redraw();
    QApplication::processEvents();
    const QPoint from = PixelOf(chart_.Cursor);
    const QPoint to = from + QPoint(60, 40);
    Press(Qt::LeftButton, from);
    QApplication::processEvents();
    const QImage& picture = static_cast<ChartImage*>(Canvas())->Picture();
    const QImage before = picture.copy();
    PaintedRegion painted;
    Canvas()->installEventFilter(&painted);
    Move(to, Qt::LeftButton);
    QApplication::processEvents();
    Canvas()->removeEventFilter(&painted);

    EXPECT_EQ(ChangeOutside(before, picture, painted.region), std::nullopt);
    EXPECT_TRUE(painted.region.contains(from));
    EXPECT_TRUE(painted.region.contains(PixelOf(chart_.Cursor)));
    EXPECT_LT(AreaOf(painted.region), Canvas()->width() * Canvas()->height() / 8);
    Release(Qt::LeftButton, to);
    QApplication::processEvents();
  }
}

}  // namespace
}  // namespace hygrovia
