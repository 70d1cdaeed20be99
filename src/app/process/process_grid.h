#ifndef HYGROVIA_APP_PROCESS_PROCESS_GRID_H
#define HYGROVIA_APP_PROCESS_PROCESS_GRID_H

#include <QTableWidget>

class QDropEvent;

namespace hygrovia {

// The grid of the process table: rows are picked up and dropped onto another row to reorder
// the points. The grid never moves items itself; it reports the drop and the window rebuilds
// the rows from the chart.
class ProcessGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit ProcessGrid(QWidget* parent);

 signals:
  // The current row was dropped on row to (-1 below the last row).
  void RowDropped(int from, int to);

 protected:
  void dropEvent(QDropEvent* event) override;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_PROCESS_PROCESS_GRID_H
