#include "app/widgets/centre_over.h"

#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>
#include <algorithm>

namespace hygrovia {
namespace {

// The window's outer size. Before its first showing the window system has not framed it yet;
// its frame is then taken to be the owner's (or its own), as both are framed alike.
QSize OuterSize(const QWidget& owner, const QWidget& dialog) {
  const QSize frame = dialog.frameGeometry().size();
  if (dialog.testAttribute(Qt::WA_WState_Created) && frame != dialog.size()) return frame;
  return dialog.size() + (owner.frameGeometry().size() - owner.size());
}

}  // namespace

QPoint KeptWithin(QPoint at, QSize frame, const QRect& available) {
  if (!available.isValid()) return at;
  const int x = std::max(available.left(),
                         std::min(at.x(), available.left() + available.width() - frame.width()));
  const int y = std::max(available.top(),
                         std::min(at.y(), available.top() + available.height() - frame.height()));
  return {x, y};
}

void KeepOnScreen(QWidget& window, const QWidget* near) {
  const QScreen* screen = (near != nullptr ? near : &window)->screen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  QSize outer = OuterSize(near != nullptr ? *near : window, window);
  // A window larger than the screen is first made as small as the screen, as far as it may be.
  const QSize frame = outer - window.size();
  if (!available.size().expandedTo(outer).isEmpty() &&
      (outer.width() > available.width() || outer.height() > available.height())) {
    window.resize(
        window.size().boundedTo(available.size() - frame).expandedTo(window.minimumSize()));
    outer = window.size() + frame;
  }
  const QPoint at = window.pos();
  const QPoint kept = KeptWithin(at, outer, available);
  if (kept != at) window.move(kept);
}

void CentreOver(const QWidget& owner, QWidget& dialog) {
  const QRect outer = owner.frameGeometry();
  const QSize inner = OuterSize(owner, dialog);
  // Integer division truncates toward zero, as the halving of the difference should.
  dialog.move(outer.left() + (outer.width() - inner.width()) / 2,
              outer.top() + (outer.height() - inner.height()) / 2);
  KeepOnScreen(dialog, &owner);
}

}  // namespace hygrovia
