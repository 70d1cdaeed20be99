#ifndef HYGROVIA_MODEL_STATUS_LINE_H
#define HYGROVIA_MODEL_STATUS_LINE_H

#include <functional>
#include <string>
#include <utility>

namespace hygrovia {

// The one-line read-out under the chart. The chart writes it; the window that shows it
// listens for changes.
class StatusLine {
 public:
  using Listener = std::function<void(const std::string&)>;

  void SetText(std::string text) {
    text_ = std::move(text);
    if (listener_) listener_(text_);
  }
  const std::string& Text() const { return text_; }
  void SetListener(Listener listener) { listener_ = std::move(listener); }

 private:
  std::string text_;
  Listener listener_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_MODEL_STATUS_LINE_H
