#include "app/widgets/dialog_layout.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMargins>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>
#include <algorithm>

namespace hygrovia {
namespace {

constexpr int kOuterMargin = 6;
constexpr int kOuterSpacing = 4;
constexpr int kInnerMargin = 6;
constexpr int kInnerSpacing = 2;

}  // namespace

void TightenOuter(QLayout& layout) {
  layout.setContentsMargins(kOuterMargin, kOuterMargin, kOuterMargin, kOuterMargin);
  layout.setSpacing(kOuterSpacing);
}

void TightenInner(QLayout& layout) {
  layout.setContentsMargins(kInnerMargin, kInnerSpacing, kInnerMargin, kInnerMargin);
  layout.setSpacing(kInnerSpacing);
}

void NarrowToCaption(QPushButton& button) {
  const QFontMetrics metrics(button.font());
  // The caption without its access-key marker, with the style's margins on both sides.
  const QString caption = QString(button.text()).remove(QLatin1Char('&'));
  const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
  button.setMinimumWidth(metrics.horizontalAdvance(caption) + 2 * margin + 4);
}

QLabel* MakeFieldNote(QWidget* parent) {
  auto* note = new QLabel(parent);
  note->setObjectName(QStringLiteral("FieldNote"));
  note->setTextFormat(Qt::PlainText);
  note->setMinimumHeight(note->fontMetrics().height());
  return note;
}

void FitNumberFields(QWidget& dialog) {
  for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
    // The frame and the text margins of the style come on top of the text itself.
    QStyleOptionFrame option;
    option.initFrom(field);
    const int text = field->fontMetrics().horizontalAdvance(QStringLiteral("-88888.888"));
    const QMargins margins = field->textMargins();
    const QSize needed = field->style()->sizeFromContents(
        QStyle::CT_LineEdit, &option,
        QSize(text + margins.left() + margins.right() + 4, field->fontMetrics().height()), field);
    field->setMinimumWidth(std::max(field->minimumWidth(), needed.width()));
  }
}

void SizeDialog(QWidget& dialog, QSize designed) {
  if (QLayout* layout = dialog.layout()) layout->activate();
  dialog.resize(designed.expandedTo(dialog.minimumSizeHint()));
}

}  // namespace hygrovia
