#include "app/process/process_grid.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QStringList>

namespace hygrovia {

ProcessGrid::ProcessGrid(QWidget* parent) : QTableWidget(parent) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  setDropIndicatorShown(true);
  verticalHeader()->setVisible(false);
}

void ProcessGrid::dropEvent(QDropEvent* event) {
  // Only rows of this grid are reordered; other text dropped here is no point.
  const QStringList formats = model()->mimeTypes();
  if (formats.isEmpty() || !event->mimeData()->hasFormat(formats.first())) {
    event->ignore();
    return;
  }
  const int to = rowAt(event->position().toPoint().y());
  // A copy as far as the view knows, so it clears no cell of the rows it dragged.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  emit RowDropped(currentRow(), to);
}

}  // namespace hygrovia
