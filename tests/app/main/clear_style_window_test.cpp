// The main window in the Clear style: marks painted over a cached picture of the chart, and
// the style chosen in the settings dialog remembered for the next run.
#include <QComboBox>
#include <QImage>
#include <QPaintEvent>
#include <QPushButton>
#include <QRegion>
#include <QSettings>
#include <vector>

#include "app/widgets/chart_image.h"
#include "app/dialogs/graph_form.h"
#include "app/main/main_form_fixture.h"
#include "expr/expression_evaluator.h"

namespace hygrovia {
namespace {

constexpr QRgb kMarkColour = qRgb(213, 94, 0);

// Keeps the region of every paint the chart control receives.
class PaintRegions : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      regions.push_back(static_cast<QPaintEvent*>(event)->region());
    return QObject::eventFilter(watched, event);
  }
  std::vector<QRegion> regions;
};

// True when a pixel of the mark's colour lies within reach of the point.
bool ShowsMarkNear(const QImage& image, QPoint at, int reach) {
  for (int y = at.y() - reach; y <= at.y() + reach; ++y) {
    for (int x = at.x() - reach; x <= at.x() + reach; ++x) {
      if (image.valid(x, y) && image.pixel(x, y) == kMarkColour) return true;
    }
  }
  return false;
}

class ClearStyleWindowTest : public MainFormTest {
 protected:
  ChartImage& Image() const { return *static_cast<ChartImage*>(Canvas()); }
  QImage Shown() const { return Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(ClearStyleWindowTest, MarksMoveOverAPictureTheyLeaveUnchanged) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  chart_.SetChartStyle(ChartStyleName::Clear);
  // The cursor on a point the drag can come back to exactly.
  const QPoint home = PixelOf(chart_.Cursor);
  const PointF snapped = surface_.DeviceToWorld(home.x(), home.y());
  chart_.Cursor = {snapped.x, snapped.y};
  form_->Redraw();
  const QImage before = Image().Picture().copy();
  EXPECT_FALSE(ShowsMarkNear(before, home, 10));
  EXPECT_TRUE(ShowsMarkNear(Shown(), home, 10));

  PaintRegions paints;
  Canvas()->installEventFilter(&paints);
  const QPoint away = home + QPoint(60, -40);
  Press(Qt::LeftButton, home);
  Move(away, Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_FALSE(paints.regions.empty());
  // A drag step repaints the marks' old and new places and the data table, not the chart.
  int repainted = 0;
  for (const QRect& rect : paints.regions.back()) repainted += rect.width() * rect.height();
  EXPECT_LT(repainted, Canvas()->width() * Canvas()->height() / 5);
  const QImage dragged = Shown();
  EXPECT_TRUE(ShowsMarkNear(dragged, away, 10));
  EXPECT_FALSE(ShowsMarkNear(dragged, home, 6));
  EXPECT_FALSE(ShowsMarkNear(Image().Picture(), away, 10));

  Move(home, Qt::LeftButton);
  Release(Qt::LeftButton, home);
  QApplication::processEvents();
  Canvas()->removeEventFilter(&paints);
  EXPECT_EQ(Image().Picture(), before);
  EXPECT_TRUE(ShowsMarkNear(Shown(), home, 10));
}

TEST_F(ClearStyleWindowTest, TheStyleChosenInTheDialogIsRemembered) {
  ExpressionEvaluator evaluator;
  TGraphForm dialog(chart_, evaluator);
  dialog.FillFromSettings();
  auto* style = dialog.findChild<QComboBox*>(QStringLiteral("StyleCombo"));
  ASSERT_NE(style, nullptr);
  ASSERT_EQ(style->count(), 2);
  EXPECT_EQ(style->itemText(0), QStringLiteral("Classic"));
  EXPECT_EQ(style->itemText(1), QStringLiteral("Clear"));
  EXPECT_EQ(style->currentIndex(), 0);
  style->setCurrentIndex(1);
  QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
  EXPECT_EQ(chart_.GetChartStyle(), ChartStyleName::Clear);
  EXPECT_TRUE(surface_.Smooth);

  EXPECT_TRUE(form_->close());
  form_.reset();
  chart_.SetChartStyle(ChartStyleName::Classic);
  Open();
  EXPECT_EQ(chart_.GetChartStyle(), ChartStyleName::Clear);
  form_->Redraw();
  EXPECT_EQ(Image().Picture().pixel(1, 1), qRgb(255, 255, 255));

  // A damaged value reads as Classic.
  EXPECT_TRUE(form_->close());
  form_.reset();
  {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Tarnwick", "Orvane");
    store.setValue("Hygrovia_Style", "Fancy");
  }
  Open();
  EXPECT_EQ(chart_.GetChartStyle(), ChartStyleName::Classic);
}

}  // namespace
}  // namespace hygrovia
