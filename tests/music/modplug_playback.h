// Plays a module through libmodplug with the demo's settings and records what the show would read.
#pragma once

#include <cstdint>
#include <vector>

namespace music_test {

constexpr int SampleRateHz = 44100;
constexpr int DemoBufferFrames = 4096;  // the demo's audio buffer

// The player's state after one ModPlug_Read, as the main loop copies it into its snapshot.
struct PlayerState {
  int64_t framesPlayed = 0;  // frames produced up to and including this read
  int order = 0;
  int pattern = 0;
  int row = 0;
  int rowNote[4] = {0, 0, 0, 0};
  int rowInstrument[4] = {0, 0, 0, 0};
};

struct Playback {
  bool loaded = false;
  std::vector<PlayerState> states;  // one per read that produced music
  std::vector<int16_t> pcm;         // interleaved stereo, kept when asked for
  int64_t totalFrames = 0;
  bool endedWithZeroRead = false;  // a read after the music returned 0 bytes
};

// Reads framesPerRead frames at a time until ModPlug_Read returns 0 (or a safety cap is reached).
Playback PlayWithModplug(const std::vector<uint8_t>& module, int framesPerRead, bool keepPcm);

}  // namespace music_test
