// fork/exec with files for the child's output, and the wait with a time limit.
#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "support/file_contents.h"

namespace brisa_test {

namespace {

[[noreturn]] void ExecChild(const std::string& program, std::vector<std::string>& environment, const std::string& out,
                            const std::string& err) {
  const int input = open("/dev/null", O_RDONLY);
  dup2(input, STDIN_FILENO);
  dup2(open(out.c_str(), O_WRONLY | O_TRUNC), STDOUT_FILENO);
  dup2(open(err.c_str(), O_WRONLY | O_TRUNC), STDERR_FILENO);
  ExecProgram(program, environment);
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const ChildEnvironment& environment)
    : outPath_(MakeTempFile("brisa-out")),
      errPath_(MakeTempFile("brisa-err")),
      started_(std::chrono::steady_clock::now()) {
  std::vector<std::string> strings = ChildEnvironmentEntries(environment);
  StartWithRetries([&] {
    pid_ = fork();
    if (pid_ == 0) ExecChild(program, strings, outPath_, errPath_);
    startFailure_ = pid_ < 0 ? "fork failed for " + program + ": " + std::strerror(errno) + "\n" : "";
    return pid_ > 0;
  });
}

ChildProcess::~ChildProcess() {
  if (Running()) {
    kill(pid_, SIGKILL);
    Wait(5);
  }
  unlink(outPath_.c_str());
  unlink(errPath_.c_str());
}

bool ChildProcess::Running() {
  if (pid_ <= 0 || status_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
  return !status_;
}

unsigned long ChildProcess::Id() const { return static_cast<unsigned long>(pid_); }

void ChildProcess::Signal(int signalNumber) {
  if (Running()) kill(pid_, signalNumber);
}

ChildResult ChildProcess::Wait(int timeoutSeconds) {
  const auto deadline = started_ + std::chrono::seconds(timeoutSeconds);
  while (Running() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ChildResult result;
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  if (Running()) {
    kill(pid_, SIGKILL);
    while (Running()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  } else if (status_ && WIFEXITED(*status_)) {
    result.exited = true;
    result.exitCode = WEXITSTATUS(*status_);
  }
  result.out = ReadFile(outPath_);
  result.err = ReadFile(errPath_) + startFailure_;
  return result;
}

int RunCommand(const std::string& commandLine) {
  const int status = std::system(commandLine.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace brisa_test
