// Child processes for the start-up tests: fork, exec with an edited environment, wait with a limit.
#include "process_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace brisa_test {

namespace {

std::vector<std::string> ChildEnvironment(const EnvironmentChanges& changes) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (changes.count(text.substr(0, text.find('='))) == 0) entries.push_back(text);
  }
  for (const auto& [name, value] : changes) {
    if (value) entries.push_back(name + "=" + *value);
  }
  return entries;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

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
  std::vector<char*> envp;
  for (const std::string& entry : environment) envp.push_back(const_cast<char*>(entry.c_str()));
  envp.push_back(nullptr);
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  execve(program.c_str(), argv, envp.data());
  _exit(127);
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const EnvironmentChanges& changes, int timeoutSeconds) {
  char outPath[] = "/tmp/brisa-child-out-XXXXXX";
  char errPath[] = "/tmp/brisa-child-err-XXXXXX";
  const int outFd = mkstemp(outPath);
  const int errFd = mkstemp(errPath);
  const std::vector<std::string> environment = ChildEnvironment(changes);
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) ExecChild(program, environment, outFd, errFd);
  close(outFd);
  close(errFd);
  ProcessResult result;
  const int status = pid > 0 ? WaitWithLimit(pid, timeoutSeconds) : -1;
  result.exited = status != -1 && WIFEXITED(status);
  result.exitCode = result.exited ? WEXITSTATUS(status) : -1;
  result.out = ReadWholeFile(outPath);
  result.err = ReadWholeFile(errPath);
  unlink(outPath);
  unlink(errPath);
  return result;
}

ScopedXvfb::ScopedXvfb() {
  int displayPipe[2];
  if (pipe(displayPipe) != 0) return;
  std::fflush(nullptr);
  pid_ = fork();
  if (pid_ == 0) {
    close(displayPipe[0]);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    const std::string fd = std::to_string(displayPipe[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1920x1080x24", "-nolisten", "tcp",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(displayPipe[1]);
  // The server writes its display number once it accepts connections; EOF means it died.
  constexpr int StartTimeoutMs = 20000;
  std::string number;
  char c = 0;
  pollfd readable{displayPipe[0], POLLIN, 0};
  while (pid_ > 0 && poll(&readable, 1, StartTimeoutMs) == 1 && read(displayPipe[0], &c, 1) == 1 && c != '\n') {
    number += c;
  }
  close(displayPipe[0]);
  if (!number.empty()) display_ = ":" + number;
}

ScopedXvfb::~ScopedXvfb() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

}  // namespace brisa_test
