#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QString>
#include <QWidget>
#include <algorithm>

#include "app/qt_canvas.h"
#include "surface/canvas.h"
#include "surface/colour.h"
#include "surface/drawing_surface.h"
#include "surface/virtual_keys.h"

namespace hygrovia {
namespace {

// The view keys as the surface knows them; 0 for the others.
int ViewKey(const QKeyEvent& event) {
  const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
  switch (event.key()) {
    case Qt::Key_Home:
      return kKeyHome;
    case Qt::Key_Left:
      return kKeyLeft;
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Right:
      return kKeyRight;
    case Qt::Key_Down:
      return kKeyDown;
    case Qt::Key_Plus:
      return keypad ? kKeyPadPlus : kKeyPlusEquals;
    case Qt::Key_Equal:
      return kKeyPlusEquals;
    case Qt::Key_Minus:
      return keypad ? kKeyPadMinus : kKeyMinus;
    default:
      return 0;
  }
}

// A window showing the empty chart frame and its grid, drawn through the surface onto an
// off-screen image.
class ChartWindow : public QWidget, public SurfaceControl {
 public:
  ChartWindow() {
    setWindowTitle(QStringLiteral("Hygrovia"));
    setFocusPolicy(Qt::StrongFocus);
    resize(720, 540);
    canvas_.SetFont(QStringLiteral("Arial"), 8);
    surface_.SetRedrawHandler([this] { DrawChart(); });
  }

  int ClientWidth() const override { return width(); }
  int ClientHeight() const override { return height(); }
  void RepaintNow() override { repaint(); }

 protected:
  void resizeEvent(QResizeEvent* /*event*/) override {
    // The canvas must let go of the old image before it is replaced.
    canvas_.SetDevice(nullptr);
    const qreal ratio = devicePixelRatioF();
    image_ = QImage(size() * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    canvas_.SetDevice(&image_);
    surface_.Attach(&canvas_, this);
    surface_.DeviceWidth = std::max(1, surface_.DeviceWidth);
    surface_.SetXRange(0.0f, 50.0f);
    surface_.SetYRange(0.0f, 35.0f);
    surface_.SetGridStep(5.0f, 5.0f);
    surface_.SetMargins(0.5f, 1.1f, 0.5f, 1.1f);
    surface_.Fit(surface_.FitFraction, surface_.DeviceWidth, surface_.DeviceHeight);
    surface_.Redraw();
  }

  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
  }

  void keyPressEvent(QKeyEvent* event) override {
    const int key = ViewKey(*event);
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    const bool always = key == kKeyHome || key == kKeyPadPlus || key == kKeyPlusEquals ||
                        key == kKeyPadMinus || key == kKeyMinus;
    const bool fine = (event->modifiers() & Qt::ShiftModifier) != 0;
    if ((control || always) && surface_.HandleKey(key, fine)) {
      return;
    }
    QWidget::keyPressEvent(event);
  }

 private:
  void DrawChart() {
    surface_.Clear(kButtonFace);
    surface_.DrawGrid();
    surface_.SetPen(kBlue, kPenSolid, 1);
    const DrawingSurface& s = surface_;
    surface_.DrawLine(s.MinX, s.MinY, s.MaxX, s.MinY);
    surface_.DrawLine(s.MaxX, s.MinY, s.MaxX, s.MaxY);
    surface_.DrawLine(s.MaxX, s.MaxY, s.MinX, s.MaxY);
    surface_.DrawLine(s.MinX, s.MaxY, s.MinX, s.MinY);
    surface_.RefreshControl();
  }

  QImage image_;
  QtCanvas canvas_;
  DrawingSurface surface_;
};

}  // namespace
}  // namespace hygrovia

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  hygrovia::ChartWindow window;
  window.show();
  return QApplication::exec();
}
