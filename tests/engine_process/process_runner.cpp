// Child processes for the start-up tests: fork, exec with an edited environment, wait with a limit.
#include "process_runner.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "support/file_contents.h"

namespace brisa_test {

namespace {

// Waits for the child; kills it once the limit has passed. Returns the wait status, or -1 if killed.
int WaitWithLimit(pid_t pid, int timeoutSeconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return status;
}

[[noreturn]] void ExecChild(const std::string& program, const std::vector<std::string>& environment, int outFd,
                            int errFd) {
  dup2(outFd, STDOUT_FILENO);
  dup2(errFd, STDERR_FILENO);
  ExecProgram(program, environment);
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const ChildEnvironment& changes, int timeoutSeconds) {
  char outPath[] = "/tmp/brisa-child-out-XXXXXX";
  char errPath[] = "/tmp/brisa-child-err-XXXXXX";
  const int outFd = mkstemp(outPath);
  const int errFd = mkstemp(errPath);
  const std::vector<std::string> environment = ChildEnvironmentEntries(changes);
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) ExecChild(program, environment, outFd, errFd);
  close(outFd);
  close(errFd);
  ProcessResult result;
  const int status = pid > 0 ? WaitWithLimit(pid, timeoutSeconds) : -1;
  result.exited = status != -1 && WIFEXITED(status);
  result.exitCode = result.exited ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  unlink(outPath);
  unlink(errPath);
  return result;
}

}  // namespace brisa_test
