// A program run as a child process: its environment, a signal while it runs, its exit and output.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "support/child_environment.h"

namespace brisa_test {

struct ChildResult {
  bool exited = false;  // false when a signal or the time limit ended it, or it never started
  int exitCode = -1;
  std::string out;
  std::string err;  // what it wrote; for a program that never started, why not
  double seconds = 0.0;
};

// Starts `program` in the current folder with standard input on the null device.
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const ChildEnvironment& environment);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Running();
  // The system's number for the process, by which its windows are told from another run's.
  unsigned long Id() const;
  // Sends a POSIX signal; Windows has none to send.
  void Signal(int signalNumber);
  // Waits for the end; a child still running after `timeoutSeconds` is killed.
  ChildResult Wait(int timeoutSeconds);

 private:
#ifdef _WIN32
  void* process_ = nullptr;  // the process's HANDLE
#else
  int pid_ = -1;
  std::optional<int> status_;
#endif
  std::string outPath_;
  std::string errPath_;
  std::string startFailure_;  // empty once the process has started
  std::chrono::steady_clock::time_point started_;
};

// For the platforms' starts: calls `startOnce` until it answers true, a few times with growing pauses
// between, since a loaded machine can refuse a new process for a moment. Answers the last answer.
bool StartWithRetries(const std::function<bool()>& startOnce);

// Runs a program to its end.
ChildResult RunChild(const std::string& program, const ChildEnvironment& environment, int timeoutSeconds);

// Runs a shell command line and answers its exit code.
int RunCommand(const std::string& commandLine);

}  // namespace brisa_test
