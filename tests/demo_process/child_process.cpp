// What running a child process to its end is on either platform: start it, then wait.
#include "child_process.h"

namespace brisa_test {

ChildResult RunChild(const std::string& program, const ChildEnvironment& environment, int timeoutSeconds) {
  ChildProcess child(program, environment);
  return child.Wait(timeoutSeconds);
}

}  // namespace brisa_test
