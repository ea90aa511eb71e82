// Runs a program as a child process with a chosen environment and collects its exit and its output.
#pragma once

#include <string>

#include "support/child_environment.h"

namespace brisa_test {

struct ProcessResult {
  bool exited = false;  // false when it was killed by a signal or for running too long
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs `program` in the current working directory with this process's environment plus
// `changes`; a child still running after `timeoutSeconds` is killed.
ProcessResult RunProcess(const std::string& program, const ChildEnvironment& changes, int timeoutSeconds);

}  // namespace brisa_test
