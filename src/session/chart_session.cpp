#include "session/chart_session.h"

#include <algorithm>

#include "styles/style_named.h"

namespace hygrovia {

ChartSession::ChartSession() : settings_(surface_, cursorState_, arrowState_, StyleNamed) {}

ChartSession::ObserverId ChartSession::Observe(Observer observer) {
  observers_.emplace_back(nextId_, std::move(observer));
  return nextId_++;
}

void ChartSession::Forget(ObserverId id) {
  std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void ChartSession::Changed() const {
  // An observer may forget itself or another while being told; tell a copy of the list.
  const std::vector<std::pair<ObserverId, Observer>> observers = observers_;
  for (const auto& [id, observer] : observers) observer();
}

}  // namespace hygrovia
