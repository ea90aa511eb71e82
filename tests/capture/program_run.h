// Running the capture program as a child process and keeping what it says.
#pragma once

#include <string>
#include <vector>

namespace show_capture {

struct ProgramRun {
  int exitCode = -1;  // -1 when a signal ended it
  std::string out;
  std::string err;
};

// Runs `program` with `arguments` in `folder`, in the test's own environment, to its end.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments, const std::string& folder);

}  // namespace show_capture
