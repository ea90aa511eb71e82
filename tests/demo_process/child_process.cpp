// fork/exec with files for the child's output, and a private Xvfb for keyboard tests.
#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace brisa_test {

namespace {

std::string TempFile(const char* stem) {
  std::string pattern = std::string("/tmp/") + stem + "-XXXXXX";
  const int fd = mkstemp(pattern.data());
  if (fd >= 0) close(fd);
  return pattern;
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> ChildEnvironmentStrings(const ChildEnvironment& changes) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (changes.count(text.substr(0, text.find('='))) == 0) result.push_back(text);
  }
  for (const auto& [name, value] : changes) {
    if (value) result.push_back(name + "=" + *value);
  }
  return result;
}

[[noreturn]] void ExecChild(const std::string& program, std::vector<std::string>& environment, const std::string& out,
                            const std::string& err) {
  const int input = open("/dev/null", O_RDONLY);
  dup2(input, STDIN_FILENO);
  dup2(open(out.c_str(), O_WRONLY | O_TRUNC), STDOUT_FILENO);
  dup2(open(err.c_str(), O_WRONLY | O_TRUNC), STDERR_FILENO);
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  execve(program.c_str(), argv, envp.data());
  _exit(127);
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const ChildEnvironment& environment)
    : outPath_(TempFile("brisa-out")), errPath_(TempFile("brisa-err")), started_(std::chrono::steady_clock::now()) {
  std::vector<std::string> strings = ChildEnvironmentStrings(environment);
  pid_ = fork();
  if (pid_ == 0) ExecChild(program, strings, outPath_, errPath_);
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
  result.out = Slurp(outPath_);
  result.err = Slurp(errPath_);
  return result;
}

ChildResult RunChild(const std::string& program, const ChildEnvironment& environment, int timeoutSeconds) {
  ChildProcess child(program, environment);
  return child.Wait(timeoutSeconds);
}

int RunCommand(const std::string& commandLine) {
  const int status = std::system(commandLine.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ScopedXvfb::ScopedXvfb() {
  for (int number = 90 + static_cast<int>(getpid() % 100); number < 400; number += 7) {
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
    struct stat info {};
    if (stat(socket.c_str(), &info) == 0 || stat(lock.c_str(), &info) == 0) continue;
    const std::string display = ":" + std::to_string(number);
    pid_ = fork();
    if (pid_ == 0) {
      const int quiet = open("/dev/null", O_WRONLY);
      dup2(quiet, STDOUT_FILENO);
      dup2(quiet, STDERR_FILENO);
      execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1920x1080x24", "-nolisten", "tcp", nullptr);
      _exit(127);
    }
    for (int tries = 0; tries < 100 && stat(socket.c_str(), &info) != 0; ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (stat(socket.c_str(), &info) == 0) display_ = display;
    return;
  }
}

ScopedXvfb::~ScopedXvfb() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
}

}  // namespace brisa_test
