#ifndef HYGROVIA_TESTS_APP_MAIN_MAIN_FORM_FIXTURE_H
#define HYGROVIA_TESTS_APP_MAIN_MAIN_FORM_FIXTURE_H

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/main/main_form.h"
#include "model/chart_settings.h"
#include "session/chart_session.h"
#include "base/number_text.h"
#include "model/status_line.h"
#include "psychro/air_state.h"
#include "support/private_settings_folder.h"
#include "surface/drawing_surface.h"

namespace hygrovia {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(int& paints) : paints_(paints) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints_;
    return QObject::eventFilter(watched, event);
  }

 private:
  int& paints_;
};

// A main window on a fresh chart, with the remembered values in a private folder, popups
// recorded instead of shown and error boxes collected.
class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store_.isValid());
    Open();
  }

  void Open() {
    form_ = std::make_unique<TMainForm>(session_);
    form_->Hooks().popUp = [this](QMenu& menu, const QPoint& at) {
      popups_.push_back(menu.objectName());
      popupAt_ = at;
    };
    form_->Hooks().showError = [this](const QString& text) { errors_.push_back(text); };
    form_->Hooks().askToSave = [this](const QString& question) {
      questions_.push_back(question);
      return answer_;
    };
    form_->show();
  }

  template <typename T = QWidget>
  T* Find(const char* name) const {
    T* found = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QWidget* Canvas() const { return Find<QWidget>("GraphCanvas"); }
  QAction* Item(const char* name) const { return Find<QAction>(name); }

  // The chart picture's pixel of a chart point.
  QPoint PixelOf(ChartPoint p) const {
    const PointF d = surface_.WorldToDevice(p.X, p.Y);
    return QPoint(static_cast<int>(d.x), static_cast<int>(d.y));
  }
  // The start of the status read-out of the air under pixel at.
  std::string ReadOutStart(QPoint at) const {
    return FormatText(" Cursor: DB %0.1f", surface_.DeviceToWorld(at.x(), at.y()).x);
  }
  void Press(Qt::MouseButton button, QPoint at) {
    QTest::mousePress(Canvas(), button, Qt::NoModifier, at);
  }
  void Release(Qt::MouseButton button, QPoint at) {
    QTest::mouseRelease(Canvas(), button, Qt::NoModifier, at);
  }
  // A move with the given buttons held (QTest moves without buttons only move the cursor).
  void Move(QPoint at, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, at, Canvas()->mapToGlobal(at), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(Canvas(), &move);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(form_.get(), key, modifiers);
  }
  // The titles of the modal windows action opens; each is handed to inspect, then closed.
  static QStringList ModalsOpenedBy(const std::function<void()>& action,
                                    const std::function<void(QWidget&)>& inspect) {
    QStringList titles;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      titles << modal->windowTitle();
      inspect(*modal);
      modal->close();
    });
    closer.start();
    action();
    return titles;
  }
  void AddNodes(int count) {
    for (int i = 0; i < count; ++i)
      chart_.Nodes.AppendPoint(10.0f + 5.0f * static_cast<float>(i), 5.0f);
  }

  QTemporaryDir store_;
  PrivateSettingsFolder privateStore_{store_.path()};
  ChartSession session_;
  DrawingSurface& surface_ = session_.Surface();
  AirState& cursorState_ = session_.CursorState();
  AirState& arrowState_ = session_.ArrowState();
  ChartSettings& chart_ = session_.Settings();
  StatusLine& status_ = session_.Status();
  std::unique_ptr<TMainForm> form_;
  QStringList popups_;
  QPoint popupAt_;
  QStringList errors_;
  // What the question about unsaved changes is answered with, and the questions asked.
  QMessageBox::StandardButton answer_ = QMessageBox::Discard;
  QStringList questions_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_TESTS_APP_MAIN_MAIN_FORM_FIXTURE_H
