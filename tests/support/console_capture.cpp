// Redirects fd 1 and 2 into temporary files for the life of a ConsoleCapture.
#include "support/console_capture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace brisa_test {

namespace {

int MakeTempFile() {
  char path[] = "/tmp/brisa-capture-XXXXXX";
  int fd = mkstemp(path);
  if (fd >= 0) unlink(path);
  return fd;
}

std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  off_t offset = 0;
  ssize_t n;
  while ((n = pread(fd, buffer, sizeof buffer, offset)) > 0) {
    text.append(buffer, static_cast<size_t>(n));
    offset += n;
  }
  return text;
}

}  // namespace

ConsoleCapture::ConsoleCapture()
    : savedStdout_(dup(1)), savedStderr_(dup(2)), stdoutFile_(MakeTempFile()), stderrFile_(MakeTempFile()) {
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
}

std::string ConsoleCapture::Stdout(bool flushStreams) {
  if (flushStreams) {
    std::cout.flush();
    std::fflush(stdout);
  }
  return ReadAll(stdoutFile_);
}

std::string ConsoleCapture::Stderr(bool flushStreams) {
  if (flushStreams) {
    std::cerr.flush();
    std::fflush(stderr);
  }
  return ReadAll(stderrFile_);
}

}  // namespace brisa_test
