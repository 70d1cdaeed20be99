#ifndef HYGROVIA_APP_WIDGETS_CENTRE_OVER_H
#define HYGROVIA_APP_WIDGETS_CENTRE_OVER_H

class QPoint;
class QRect;
class QSize;
class QWidget;

namespace hygrovia {

// Moves dialog so that its frame is centred over owner's frame; called before every modal
// dialog with the main window as owner. A dialog that would stand partly off the owner's
// screen is moved just inside it.
void CentreOver(const QWidget& owner, QWidget& dialog);

// The top-left corner a frame of the given size at `at` takes to lie wholly within available:
// moved the least it must, its top-left corner kept inside when it is larger.
QPoint KeptWithin(QPoint at, QSize frame, const QRect& available);

// Moves the window (its frame) just inside the available area of the screen of near, or of
// its own screen without one; a window larger than that area is made smaller first, down to
// its minimum size.
void KeepOnScreen(QWidget& window, const QWidget* near = nullptr);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_CENTRE_OVER_H
