// Plays the show as the main loop does, without a window swap: the real song mixed in the audio
// callback's buffer steps, one snapshot and one timeline update per 60 Hz display frame.
#pragma once

#include <cstdint>
#include <vector>

#include <libmodplug/modplug.h>

namespace brisa_bench {

constexpr int DisplayRateHz = 60;
// The demo clock when the music starts: main's clock is at least its one-second wait by then.
constexpr int32_t SongStartClockMs = 2000;

// The demo time of display frame `frame` after the music started, in whole milliseconds.
int32_t FrameClockMs(int64_t frame);

class SongDriver {
 public:
  // Takes a player made from the song; the timeline is reset to its first section.
  explicit SongDriver(ModPlugFile* song);

  // Mixes the buffers the audio callback would have mixed by the next frame's time, then takes
  // the snapshot, advances the demo clock and runs UpdateDemo. False, with nothing updated, once
  // the song has ended.
  bool NextFrame();

  int64_t frame() const { return frame_; }
  // Time UpdateDemo took in the latest frame.
  double lastUpdateCpuSeconds() const { return lastUpdateCpuSeconds_; }
  double lastUpdateWallSeconds() const { return lastUpdateWallSeconds_; }
  uint64_t lastUpdateAllocations() const { return lastUpdateAllocations_; }

 private:
  // One callback's worth of music; false once the player reports the end of the song.
  bool MixBuffer();

  ModPlugFile* song_;
  std::vector<uint8_t> buffer_;
  int64_t buffersMixed_ = 0;
  int64_t frame_ = 0;
  double lastUpdateCpuSeconds_ = 0.0;
  double lastUpdateWallSeconds_ = 0.0;
  uint64_t lastUpdateAllocations_ = 0;
};

}  // namespace brisa_bench
