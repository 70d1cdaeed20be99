#ifndef HYGROVIA_APP_WIDGETS_DIALOG_LAYOUT_H
#define HYGROVIA_APP_WIDGETS_DIALOG_LAYOUT_H

#include <QSize>

class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace hygrovia {

// The dialogs are laid out as tightly as their texts allow, so that with the wider fonts of
// some desktops they still open at their designed size or as near to it as the texts let.

// Margins and spacing of a dialog's outer layout, and of the grids inside its frames.
void TightenOuter(QLayout& layout);
void TightenInner(QLayout& layout);

// A push button that may be as narrow as its caption, not the style's wider default.
void NarrowToCaption(QPushButton& button);

// The line under a dialog's fields that shows what a field's expression comes to, or why it
// has no value; one text line high even while empty, so the dialog keeps its size.
QLabel* MakeFieldNote(QWidget* parent);

// Makes every line edit of the dialog wide enough for the widest number its fields show
// (-88888.888), so that no field cuts its value at the size the dialog opens with.
void FitNumberFields(QWidget& dialog);

// Gives the dialog its designed size, or the smallest its texts allow where that is larger,
// before it is first shown, so that it is centred at the size it opens with.
void SizeDialog(QWidget& dialog, QSize designed);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_DIALOG_LAYOUT_H
