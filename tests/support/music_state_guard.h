// The song snapshot and the demo clock, put back after a test that sets them by hand.
#pragma once

#include "demo/music_state.h"

namespace brisa_test {

class MusicStateGuard {
 public:
  MusicStateGuard();
  ~MusicStateGuard();
  MusicStateGuard(const MusicStateGuard&) = delete;
  MusicStateGuard& operator=(const MusicStateGuard&) = delete;

 private:
  MusicSnapshot snapshot_;
  DemoClock clock_;
};

}  // namespace brisa_test
