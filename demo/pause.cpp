// Waiting for one key with the terminal in non-canonical mode, restored afterwards.
#include "demo/pause.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>

namespace {

void ReadOneKey() {
  termios saved{};
  if (tcgetattr(STDIN_FILENO, &saved) != 0) return;
  termios raw = saved;
  raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  if (tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0) {
    char key = 0;
    // A failed or interrupted read ends the wait as a key would.
    [[maybe_unused]] const ssize_t got = read(STDIN_FILENO, &key, 1);
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
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
