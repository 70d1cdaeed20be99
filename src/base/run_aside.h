#ifndef HYGROVIA_BASE_RUN_ASIDE_H
#define HYGROVIA_BASE_RUN_ASIDE_H

#include <future>
#include <system_error>
#include <utility>

namespace hygrovia {

// The work started on a thread of its own, or, when the system has no thread to give, left
// to run on this one when its result is asked for.
template <typename Work>
auto RunAside(Work work) {
  try {
    return std::async(std::launch::async, work);
  } catch (const std::system_error&) {
    return std::async(std::launch::deferred, std::move(work));
  }
}

}  // namespace hygrovia

#endif  // HYGROVIA_BASE_RUN_ASIDE_H
