#ifndef HYGROVIA_TESTS_APP_CLI_HEADLESS_RUN_H
#define HYGROVIA_TESTS_APP_CLI_HEADLESS_RUN_H

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/headless.h"
#include "app/cli/headless_options.h"

namespace hygrovia {

using Arguments = std::vector<std::string>;

// What a headless run wrote and the status it ended with.
struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

inline Outcome RunCommand(const Arguments& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  Outcome run;
  run.status = RunHeadlessCommand(arguments, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace hygrovia

#endif  // HYGROVIA_TESTS_APP_CLI_HEADLESS_RUN_H
