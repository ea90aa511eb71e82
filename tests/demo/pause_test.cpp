// The pause layer prints its prompt and never waits for a key without a terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include "demo/pause.h"
#include "support/console_capture.h"

namespace {

// Standard input replaced by /dev/null for the life of the object.
class NoTerminalInput {
 public:
  NoTerminalInput() : saved_(dup(STDIN_FILENO)) {
    const int devNull = open("/dev/null", O_RDONLY);
    dup2(devNull, STDIN_FILENO);
    close(devNull);
  }
  ~NoTerminalInput() {
    dup2(saved_, STDIN_FILENO);
    close(saved_);
  }

 private:
  int saved_;
};

TEST(Pause, PrintsThePromptAndReturnsAtOnceWithoutATerminal) {
  NoTerminalInput input;
  brisa_test::ConsoleCapture console;
  PauseForKey();
  EXPECT_EQ(console.Stdout(), "Press any key to continue . . .\n");
  EXPECT_EQ(console.Stderr(), "");
}

}  // namespace
