#include "tests/program/run_program.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/scratch_folder.h"

extern char** environ;

namespace hygrovia::program {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

fs::path FreshFile(const char* what) {
  std::string name = (fs::temp_directory_path() / "hygrovia-run-XXXXXX").string() + what;
  const int fd = ::mkstemps(name.data(), static_cast<int>(std::char_traits<char>::length(what)));
  if (fd >= 0) ::close(fd);
  return name;
}

std::vector<std::string> Environment(const RunSetting& setting) {
  std::vector<std::string> variables;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    const std::string text = *variable;
    if (!text.starts_with("QT_QPA_PLATFORM=") && !text.starts_with("XDG_CONFIG_HOME=")) {
      variables.push_back(text);
    }
  }
  variables.push_back("QT_QPA_PLATFORM=offscreen");
  if (!setting.configFolder.empty()) {
    variables.push_back("XDG_CONFIG_HOME=" + setting.configFolder.string());
  }
  return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Starts the program with its output going to the two files.
pid_t Start(const std::vector<std::string>& arguments, const RunSetting& setting,
            const fs::path& out, const fs::path& err) {
  std::vector<std::string> command = setting.prefix;
  command.emplace_back(HYGROVIA_PROGRAM);
  command.insert(command.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environment = Environment(setting);
  std::vector<char*> argv = Pointers(command);
  std::vector<char*> envp = Pointers(environment);
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int inFd = ::open("/dev/null", O_RDONLY);
  if (outFd < 0 || errFd < 0 || inFd < 0) ::_exit(126);
  ::dup2(inFd, 0);
  ::dup2(outFd, 1);
  ::dup2(errFd, 2);
  ::execvpe(argv[0], argv.data(), envp.data());
  ::_exit(127);
}

// Waits for the program until the deadline; true when it ended, with its status.
bool WaitUntil(pid_t pid, Clock::time_point deadline, int& status) {
  while (true) {
    int raw = 0;
    const pid_t done = ::waitpid(pid, &raw, WNOHANG);
    if (done == pid) {
      status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
      return true;
    }
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void Kill(pid_t pid) {
  ::kill(pid, SIGKILL);
  int raw = 0;
  ::waitpid(pid, &raw, 0);
}

// The system call the program's main thread waits in; -1 while it runs or when unknown.
long CurrentCall(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/syscall");
  long call = -1;
  if (!(in >> call)) return -1;
  return call;
}

bool IsEventWait(long call) {
#if defined(SYS_poll)
  if (call == SYS_poll) return true;
#endif
  return call == SYS_ppoll || call == SYS_epoll_wait || call == SYS_epoll_pwait;
}

}  // namespace

std::vector<std::string> ProgramRun::Messages() const {
  std::vector<std::string> lines;
  std::istringstream in(err);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("hygrovia")) lines.push_back(line);
  }
  return lines;
}

ProgramRun RunProgram(const std::vector<std::string>& arguments, const RunSetting& setting) {
  const fs::path out = FreshFile(".out");
  const fs::path err = FreshFile(".err");
  ProgramRun run;
  const pid_t pid = Start(arguments, setting, out, err);
  if (!WaitUntil(pid, Clock::now() + setting.timeout, run.status)) {
    Kill(pid);
    run.timedOut = true;
  }
  run.out = testing::FileBytes(out);
  run.err = testing::FileBytes(err);
  std::error_code ignored;
  fs::remove(out, ignored);
  fs::remove(err, ignored);
  return run;
}

WindowRun::WindowRun(const std::vector<std::string>& arguments, const RunSetting& setting)
    : errFile_(FreshFile(".err")) {
  pid_ = Start(arguments, setting, "/dev/null", errFile_);
}

WindowRun::~WindowRun() {
  Stop();
  std::error_code ignored;
  fs::remove(errFile_, ignored);
}

bool WindowRun::ReachesEventLoop(std::chrono::milliseconds within) const {
  // The start may wait for events briefly before its end (a toolkit's own set-up): only a
  // wait that lasts counts as the idle event loop of a window shown.
  constexpr auto kSettled = std::chrono::milliseconds(300);
  const Clock::time_point deadline = Clock::now() + within;
  std::optional<Clock::time_point> waitingSince;
  while (Clock::now() < deadline) {
    if (!IsEventWait(CurrentCall(pid_))) {
      waitingSince.reset();
    } else if (!waitingSince) {
      waitingSince = Clock::now();
    } else if (Clock::now() - *waitingSince >= kSettled) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}

std::string WindowRun::Stop() {
  if (pid_ > 0) Kill(pid_);
  pid_ = -1;
  return testing::FileBytes(errFile_);
}

}  // namespace hygrovia::program
