// Runs a program as a child process with a chosen environment and collects its exit and its output.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brisa_test {

struct ProcessResult {
  bool exited = false;  // false when it was killed by a signal or for running too long
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Environment changes for the child: a value sets the variable, nullopt removes it.
using EnvironmentChanges = std::map<std::string, std::optional<std::string>>;

// Runs `program` in the current working directory with this process's environment plus
// `changes`; a child still running after `timeoutSeconds` is killed.
ProcessResult RunProcess(const std::string& program, const EnvironmentChanges& changes, int timeoutSeconds);

// An X server of its own on a free display, stopped on destruction.
class ScopedXvfb {
 public:
  ScopedXvfb();
  ~ScopedXvfb();
  ScopedXvfb(const ScopedXvfb&) = delete;
  ScopedXvfb& operator=(const ScopedXvfb&) = delete;

  // ":N", or empty when the server did not come up.
  const std::string& display() const { return display_; }

 private:
  int pid_ = -1;
  std::string display_;
};

}  // namespace brisa_test
