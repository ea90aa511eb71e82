// A stand-in for the command interpreter's "pause": the prompt, then one key from a terminal in
// non-canonical mode, left as found however the wait ends.
#include "demo/pause.h"

#include <pthread.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <iterator>

namespace {

constexpr const char* PausePrompt = "Press any key to continue . . .";

// The signals whose default action would end or stop the process with the terminal still changed.
constexpr int WatchedSignals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGTSTP};
constexpr std::size_t WatchedCount = std::size(WatchedSignals);

// Written before any handler is installed and only read by the handlers.
termios terminalFound{};
termios terminalWaiting{};
struct sigaction stopAction {};

void RestoreTerminal() { tcsetattr(STDIN_FILENO, TCSANOW, &terminalFound); }

void TakeDefaultAction(int signalNumber) {
  struct sigaction defaultAction {};
  defaultAction.sa_handler = SIG_DFL;
  sigaction(signalNumber, &defaultAction, nullptr);
  raise(signalNumber);
}

// The raised signal, blocked while this runs, ends the process once it returns.
void RestoreThenEnd(int signalNumber) {
  const int savedErrno = errno;
  RestoreTerminal();
  TakeDefaultAction(signalNumber);
  errno = savedErrno;
}

// Stops with the terminal as found; once continued, waits on in non-canonical mode.
void RestoreThenStop(int signalNumber) {
  const int savedErrno = errno;
  RestoreTerminal();
  TakeDefaultAction(signalNumber);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, signalNumber);
  pthread_sigmask(SIG_UNBLOCK, &stop, nullptr);
  sigaction(signalNumber, &stopAction, nullptr);
  tcsetattr(STDIN_FILENO, TCSANOW, &terminalWaiting);
  errno = savedErrno;
}

sigset_t WatchedSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int signalNumber : WatchedSignals) sigaddset(&set, signalNumber);
  return set;
}

struct sigaction HandlerAction(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  action.sa_mask = WatchedSet();
  // No SA_RESTART: a sanitizer runtime that defers signals runs the handler only once the read
  // gives up with EINTR.
  action.sa_flags = 0;
  return action;
}

bool IsDefault(const struct sigaction& action) {
  return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_DFL;
}

// The watched signals at their default action for the life of the object; a signal the program
// ignores or handles itself is left alone.
class WatchedSignalsTaken {
 public:
  WatchedSignalsTaken() {
    stopAction = HandlerAction(RestoreThenStop);
    const struct sigaction endAction = HandlerAction(RestoreThenEnd);
    for (std::size_t i = 0; i < WatchedCount; ++i) {
      sigaction(WatchedSignals[i], nullptr, &found_[i]);
      if (!IsDefault(found_[i])) continue;
      sigaction(WatchedSignals[i], WatchedSignals[i] == SIGTSTP ? &stopAction : &endAction, nullptr);
    }
  }
  // The watched signals are blocked meanwhile, so that one arriving on the way out meets the
  // restored terminal and the disposition that was found.
  ~WatchedSignalsTaken() {
    const sigset_t watched = WatchedSet();
    sigset_t before;
    pthread_sigmask(SIG_BLOCK, &watched, &before);
    RestoreTerminal();
    for (std::size_t i = 0; i < WatchedCount; ++i) {
      const bool wasTaken = IsDefault(found_[i]);
      if (wasTaken) sigaction(WatchedSignals[i], &found_[i], nullptr);
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
  }
  WatchedSignalsTaken(const WatchedSignalsTaken&) = delete;
  WatchedSignalsTaken& operator=(const WatchedSignalsTaken&) = delete;

 private:
  struct sigaction found_[WatchedCount] {};
};

void ReadOneKey() {
  if (tcgetattr(STDIN_FILENO, &terminalFound) != 0) return;
  terminalWaiting = terminalFound;
  terminalWaiting.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  terminalWaiting.c_cc[VMIN] = 1;
  terminalWaiting.c_cc[VTIME] = 0;
  const WatchedSignalsTaken signalsTaken;
  if (tcsetattr(STDIN_FILENO, TCSANOW, &terminalWaiting) != 0) return;
  char key = 0;
  // A failed read (end of input, a hang-up) ends the wait as a key would.
  while (read(STDIN_FILENO, &key, 1) < 0 && errno == EINTR) {
  }
}

}  // namespace

void PauseForKey() {
  std::fputs(PausePrompt, stdout);
  std::fflush(stdout);
  if (isatty(STDIN_FILENO)) ReadOneKey();
  std::fputs("\n", stdout);
  std::fflush(stdout);
}
