// Xvfb started with -displayfd: the server itself picks a free display and says which once it is ready.
#include "support/scoped_xvfb.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace brisa_test {

namespace {

constexpr int StartTimeoutMs = 20000;

[[noreturn]] void ExecXvfb(int displayFd, const std::string& screen) {
  const int devNull = open("/dev/null", O_WRONLY);
  dup2(devNull, STDOUT_FILENO);
  dup2(devNull, STDERR_FILENO);
  const std::string fd = std::to_string(displayFd);
  execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
         static_cast<char*>(nullptr));
  _exit(127);
}

// The server writes its display number once it accepts connections; EOF means it died.
std::string ReadDisplayNumber(int fd) {
  std::string number;
  char c = 0;
  pollfd readable{fd, POLLIN, 0};
  while (poll(&readable, 1, StartTimeoutMs) == 1 && read(fd, &c, 1) == 1 && c != '\n') number += c;
  return number;
}

}  // namespace

ScopedXvfb::ScopedXvfb(const std::string& screen) {
  int displayPipe[2];
  if (pipe(displayPipe) != 0) return;
  std::fflush(nullptr);
  pid_ = fork();
  if (pid_ == 0) {
    close(displayPipe[0]);
    ExecXvfb(displayPipe[1], screen);
  }
  close(displayPipe[1]);
  const std::string number = pid_ > 0 ? ReadDisplayNumber(displayPipe[0]) : "";
  close(displayPipe[0]);
  if (!number.empty()) display_ = ":" + number;
}

ScopedXvfb::~ScopedXvfb() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

}  // namespace brisa_test
