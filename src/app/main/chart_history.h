#ifndef HYGROVIA_APP_MAIN_CHART_HISTORY_H
#define HYGROVIA_APP_MAIN_CHART_HISTORY_H

#include <QString>
#include <QUndoCommand>
#include <functional>

#include "model/chart_snapshot.h"

namespace hygrovia {

// One change of the chart on the undo stack, as the chart was before and after it. The
// change is already made when the command is pushed, so its first redo does nothing. Moves of
// the cursor, and of the arrow, in a row make one step.
class ChartChangeCommand : public QUndoCommand {
 public:
  using Restore = std::function<void(const ChartSnapshot&)>;

  ChartChangeCommand(Restore restore, const ChartSnapshot& before, const ChartSnapshot& after,
                     const QString& name);

  void undo() override;
  void redo() override;
  int id() const override { return id_; }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  Restore restore_;
  ChartSnapshot before_;
  ChartSnapshot after_;
  int id_ = -1;
  bool made_ = true;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_MAIN_CHART_HISTORY_H
