// Stepping the real song and the timeline together, the way the main loop and the audio thread do.
#include "bench/song_driver.h"

#include "bench/heap_counter.h"
#include "bench/stopwatch.h"
#include "demo/audio.h"
#include "demo/music_snapshot.h"
#include "demo/music_state.h"
#include "demo/timeline.h"

namespace brisa_bench {

namespace {

constexpr int BytesPerFrame = 2 * static_cast<int>(sizeof(int16_t));
constexpr int64_t MillisecondsPerSecond = 1000;

}  // namespace

int32_t FrameClockMs(int64_t frame) {
  return SongStartClockMs + static_cast<int32_t>(frame * MillisecondsPerSecond / DisplayRateHz);
}

SongDriver::SongDriver(ModPlugFile* song)
    : song_(song), buffer_(static_cast<size_t>(AudioBufferFrames) * BytesPerFrame) {
  timelineState = SceneIntro;
  demoClock.timeMs = SongStartClockMs;
  demoClock.lastTicks = SongStartClockMs;
}

bool SongDriver::MixBuffer() {
  const int produced = ModPlug_Read(song_, buffer_.data(), static_cast<int>(buffer_.size()));
  ++buffersMixed_;
  return produced > 0;
}

bool SongDriver::NextFrame() {
  const int32_t now = FrameClockMs(frame_);
  // A callback starts each time the device has played a buffer; the first one at the start.
  while (buffersMixed_ * AudioBufferFrames * MillisecondsPerSecond <=
         static_cast<int64_t>(now - SongStartClockMs) * AudioFrequencyHz) {
    if (!MixBuffer()) return false;
  }
  demoClock.lastTicks = demoClock.timeMs;
  demoClock.timeMs = now;
  ReadMusicSnapshot(song_, musicSnapshot);
  const uint64_t allocationsBefore = ThreadHeapAllocations();
  Stopwatch stopwatch;
  UpdateDemo();
  const Stopwatch::Lap lap = stopwatch.NextLap();
  lastUpdateAllocations_ = ThreadHeapAllocations() - allocationsBefore;
  lastUpdateCpuSeconds_ = lap.cpuSeconds;
  lastUpdateWallSeconds_ = lap.wallSeconds;
  ++frame_;
  return true;
}

}  // namespace brisa_bench
