#include "app/main/chart_history.h"

#include <utility>

namespace hygrovia {
namespace {

// The ids of the steps that merge with the one before of their kind.
constexpr int kCursorMove = 1;
constexpr int kArrowMove = 2;

int IdOf(const QString& name) {
  if (name == QStringLiteral("Move Cursor")) return kCursorMove;
  if (name == QStringLiteral("Move Arrow")) return kArrowMove;
  return -1;
}

}  // namespace

ChartChangeCommand::ChartChangeCommand(Restore restore, const ChartSnapshot& before,
                                       const ChartSnapshot& after, const QString& name)
    : QUndoCommand(name),
      restore_(std::move(restore)),
      before_(before),
      after_(after),
      id_(IdOf(name)) {}

void ChartChangeCommand::undo() { restore_(before_); }

void ChartChangeCommand::redo() {
  if (made_) {
    made_ = false;
    return;
  }
  restore_(after_);
}

bool ChartChangeCommand::mergeWith(const QUndoCommand* other) {
  after_ = static_cast<const ChartChangeCommand*>(other)->after_;
  return true;
}

}  // namespace hygrovia
