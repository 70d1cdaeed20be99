#include "app/widgets/dialog_layout.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

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

void SizeDialog(QWidget& dialog, QSize designed) {
  if (QLayout* layout = dialog.layout()) layout->activate();
  dialog.resize(designed.expandedTo(dialog.minimumSizeHint()));
}

}  // namespace hygrovia
