// The command interpreter's own "pause", as the show's platform has it.
#include "demo/pause.h"

#include <cstdio>
#include <cstdlib>

void PauseForKey() {
  // The interpreter writes to the same console: what the show printed must come out first.
  std::fflush(stdout);
  std::fflush(stderr);
  std::system("pause");
}
