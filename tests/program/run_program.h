#ifndef HYGROVIA_TESTS_PROGRAM_RUN_PROGRAM_H
#define HYGROVIA_TESTS_PROGRAM_RUN_PROGRAM_H

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/types.h>

namespace hygrovia::program {

// The program as built, run as a user's script runs it.
struct ProgramRun {
  int status = -1;        // the exit status; -1 when it did not exit by itself
  bool timedOut = false;  // it was still running at the deadline and was killed
  std::string out;
  std::string err;
  // The lines of err the program wrote itself ("hygrovia: ..."), without the toolkit's notes.
  std::vector<std::string> Messages() const;
};

// What a run starts with besides its arguments.
struct RunSetting {
  // Replaces the user's settings folder ($XDG_CONFIG_HOME), so no run touches the user's.
  std::filesystem::path configFolder;
  // Put in front of the program, such as a command that runs it as another user.
  std::vector<std::string> prefix;
  std::chrono::milliseconds timeout{60000};
};

// Runs the program with the arguments, each passed on as the bytes it is, and waits for it.
ProgramRun RunProgram(const std::vector<std::string>& arguments, const RunSetting& setting);

// A window of the program, started on the offscreen platform; killed when the holder goes.
class WindowRun {
 public:
  WindowRun(const std::vector<std::string>& arguments, const RunSetting& setting);
  ~WindowRun();
  WindowRun(const WindowRun&) = delete;
  WindowRun& operator=(const WindowRun&) = delete;

  // True once the program waits for events in its event loop, its start done; false when
  // that did not happen within the time (it hangs, or it ended).
  bool ReachesEventLoop(std::chrono::milliseconds within) const;
  // Ends the program and returns what it wrote on its error output.
  std::string Stop();

 private:
  pid_t pid_ = -1;
  std::filesystem::path errFile_;
};

}  // namespace hygrovia::program

#endif  // HYGROVIA_TESTS_PROGRAM_RUN_PROGRAM_H
