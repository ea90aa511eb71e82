// What running a child process to its end is on either platform: start it, then wait.
#include "child_process.h"

#include <thread>

namespace brisa_test {

namespace {

// fork's EAGAIN, or Wine failing a new process in its start-up, passes within a second or two; a
// program that cannot be started at all fails every try.
constexpr int StartTries = 5;
constexpr std::chrono::milliseconds StartRetryPause{200};

}  // namespace

bool StartWithRetries(const std::function<bool()>& startOnce) {
  for (int tried = 1;; ++tried) {
    if (startOnce()) return true;
    if (tried == StartTries) return false;
    std::this_thread::sleep_for(StartRetryPause * tried);
  }
}

ChildResult RunChild(const std::string& program, const ChildEnvironment& environment, int timeoutSeconds) {
  ChildProcess child(program, environment);
  return child.Wait(timeoutSeconds);
}

}  // namespace brisa_test
