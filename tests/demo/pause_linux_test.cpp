// The pause layer: its prompt, no wait without a terminal, and a terminal and signals left as found.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstring>
#include <functional>
#include <iterator>
#include <thread>

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

// Standard input on the slave side of a new pseudo-terminal for the life of the object.
class TerminalInput {
 public:
  TerminalInput() : saved_(dup(STDIN_FILENO)) {
    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) == 0) dup2(slave_, STDIN_FILENO);
  }
  ~TerminalInput() {
    dup2(saved_, STDIN_FILENO);
    for (int fd : {saved_, slave_, master_}) close(fd);
  }

  bool Opened() const { return slave_ >= 0; }
  termios Settings() const {
    termios settings{};
    tcgetattr(slave_, &settings);
    return settings;
  }
  void Type(char key) const { [[maybe_unused]] const ssize_t written = write(master_, &key, 1); }

 private:
  int saved_;
  int master_ = -1;
  int slave_ = -1;
};

void ProgramsOwnHandler(int) {}

struct sigaction Disposition(int signalNumber) {
  struct sigaction action {};
  sigaction(signalNumber, nullptr, &action);
  return action;
}

struct sigaction HandledBy(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  return action;
}

TEST(Pause, PrintsThePromptAndReturnsAtOnceWithoutATerminal) {
  NoTerminalInput input;
  brisa_test::ConsoleCapture console;
  PauseForKey();
  EXPECT_EQ(console.Stdout(), "Press any key to continue . . .\n");
  EXPECT_EQ(console.Stderr(), "");
}

// Only a signal at its default action is taken over while the key is awaited: a program that
// ignores hang-ups or handles terminate itself keeps doing so.
struct Watched {
  int signalNumber;
  void (*found)(int);
  bool takenWhileWaiting;
};
const Watched WatchedSignals[] = {
    {SIGHUP, SIG_IGN, false}, {SIGINT, SIG_DFL, true},  {SIGQUIT, SIG_DFL, true},
    {SIGTERM, ProgramsOwnHandler, false}, {SIGTSTP, SIG_DFL, true},
};
constexpr std::size_t WatchedCount = std::size(WatchedSignals);

// Run on a second thread: types the key once the wait shows on the terminal, or after a while
// regardless so that the test cannot hang, and notes the dispositions met meanwhile.
void TypeOnceWaiting(const TerminalInput& terminal, bool& sawTheWait, struct sigaction* whileWaiting) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!sawTheWait && std::chrono::steady_clock::now() < giveUp) {
    sawTheWait = (terminal.Settings().c_lflag & (ICANON | ECHO)) == 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  for (std::size_t i = 0; i < WatchedCount; ++i) whileWaiting[i] = Disposition(WatchedSignals[i].signalNumber);
  terminal.Type('k');
}

TEST(Pause, AKeyEndsTheWaitWithTheTerminalAndTheSignalsAsFound) {
  TerminalInput terminal;
  ASSERT_TRUE(terminal.Opened());
  const termios settingsFound = terminal.Settings();
  struct sigaction outside[WatchedCount] {};
  struct sigaction found[WatchedCount] {};
  for (std::size_t i = 0; i < WatchedCount; ++i) {
    const struct sigaction set = HandledBy(WatchedSignals[i].found);
    sigaction(WatchedSignals[i].signalNumber, &set, &outside[i]);
    found[i] = Disposition(WatchedSignals[i].signalNumber);
  }

  bool sawTheWait = false;
  struct sigaction whileWaiting[WatchedCount] {};
  std::thread typist(TypeOnceWaiting, std::cref(terminal), std::ref(sawTheWait), whileWaiting);
  std::string printed;
  {
    brisa_test::ConsoleCapture console;
    PauseForKey();
    typist.join();
    printed = console.Stdout();
  }
  const termios settingsLeft = terminal.Settings();
  struct sigaction left[WatchedCount] {};
  for (std::size_t i = 0; i < WatchedCount; ++i) {
    sigaction(WatchedSignals[i].signalNumber, &outside[i], &left[i]);
  }

  EXPECT_EQ(printed, "Press any key to continue . . .\n");
  EXPECT_TRUE(sawTheWait) << "the key is read without echo, unbuffered";
  EXPECT_EQ(settingsLeft.c_lflag, settingsFound.c_lflag);
  EXPECT_EQ(settingsLeft.c_cc[VMIN], settingsFound.c_cc[VMIN]);
  EXPECT_EQ(settingsLeft.c_cc[VTIME], settingsFound.c_cc[VTIME]);
  for (std::size_t i = 0; i < WatchedCount; ++i) {
    SCOPED_TRACE(strsignal(WatchedSignals[i].signalNumber));
    EXPECT_EQ(whileWaiting[i].sa_handler != WatchedSignals[i].found, WatchedSignals[i].takenWhileWaiting);
    EXPECT_EQ(left[i].sa_handler, found[i].sa_handler);
    EXPECT_EQ(left[i].sa_flags, found[i].sa_flags);
  }
}

}  // namespace
