// Redirects fd 1 and 2 into temporary files for the life of a ConsoleCapture.
#include "support/console_capture.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "support/file_contents.h"

namespace brisa_test {

namespace {

#ifndef O_BINARY
constexpr int O_BINARY = 0;
#endif

// Binary, so that on a text-mode console the lines still read as the program wrote them.
int OpenForWriting(const std::string& path) { return open(path.c_str(), O_WRONLY | O_TRUNC | O_BINARY); }

}  // namespace

ConsoleCapture::ConsoleCapture()
    : savedStdout_(dup(1)),
      savedStderr_(dup(2)),
      stdoutPath_(MakeTempFile("brisa-capture")),
      stderrPath_(MakeTempFile("brisa-capture")),
      stdoutFile_(OpenForWriting(stdoutPath_)),
      stderrFile_(OpenForWriting(stderrPath_)) {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  dup2(stdoutFile_, 1);
  dup2(stderrFile_, 2);
}

ConsoleCapture::~ConsoleCapture() {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  dup2(savedStdout_, 1);
  dup2(savedStderr_, 2);
  close(savedStdout_);
  close(savedStderr_);
  close(stdoutFile_);
  close(stderrFile_);
  std::remove(stdoutPath_.c_str());
  std::remove(stderrPath_.c_str());
}

std::string ConsoleCapture::Stdout(bool flushStreams) {
  if (flushStreams) {
    std::cout.flush();
    std::fflush(stdout);
  }
  return ReadFile(stdoutPath_);
}

std::string ConsoleCapture::Stderr(bool flushStreams) {
  if (flushStreams) {
    std::cerr.flush();
    std::fflush(stderr);
  }
  return ReadFile(stderrPath_);
}

}  // namespace brisa_test
