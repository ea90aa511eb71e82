// Captures what the process writes to standard output and standard error, at the file descriptor.
#pragma once

#include <string>

namespace brisa_test {

// While alive, fd 1 and fd 2 go to temporary files. Reading flushes nothing on purpose: a line the
// code under test did not flush must not show up, so call Read* only after what the test expects.
class ConsoleCapture {
 public:
  ConsoleCapture();
  ~ConsoleCapture();
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  // What reached each descriptor so far (C++ streams flushed first only when flushStreams is set).
  std::string Stdout(bool flushStreams = true);
  std::string Stderr(bool flushStreams = true);

 private:
  int savedStdout_;
  int savedStderr_;
  std::string stdoutPath_;
  std::string stderrPath_;
  int stdoutFile_;
  int stderrFile_;
};

}  // namespace brisa_test
