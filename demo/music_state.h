// What the music tells the pictures each frame: the song position snapshot and the demo clock.
#pragma once

#include <cstdint>

struct MusicSnapshot {
  int32_t order = 0;
  int32_t pattern = 0;
  int32_t row = 0;
  int32_t rowNote[4] = {0, 0, 0, 0};
  uint8_t rowInstrument[4] = {0, 0, 0, 0};
};

struct DemoClock {
  int32_t timeMs = 0;
  int32_t lastTicks = 0;
};

// Written by the main loop once per frame, read by the timeline and the effect shaders.
extern MusicSnapshot musicSnapshot;
extern DemoClock demoClock;
