// Keeping the process's song snapshot and demo clock across a test.
#include "support/music_state_guard.h"

namespace brisa_test {

MusicStateGuard::MusicStateGuard() : snapshot_(musicSnapshot), clock_(demoClock) {}

MusicStateGuard::~MusicStateGuard() {
  musicSnapshot = snapshot_;
  demoClock = clock_;
}

}  // namespace brisa_test
