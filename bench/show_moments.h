// The moments of the real show that the frame benchmarks play, one per section, found by driving
// the timeline through the whole song once.
#pragma once

#include <cstdint>
#include <optional>

#include "bench/stopwatch.h"
#include "tools/capture/scene_state.h"

namespace brisa_bench {

struct SectionMoment {
  const char* name;
  // True at the first frame of the drive that shows what the section is measured with.
  bool (*reached)();
  // Changes to the captured state for what the song never shows at once; null for none.
  void (*arrange)();
  // Frames played on from the moment before the show is put back to it.
  int windowFrames;
};

constexpr int SectionCount = 8;
extern const SectionMoment SectionMoments[SectionCount];

// What the drive through the song found and measured.
struct ShowCapture {
  std::optional<show_capture::SceneState> moments[SectionCount];
  int64_t frames = 0;
  // UpdateDemo over every frame of the song, cue frames included.
  Samples updateCpuSeconds;
  Samples updateWallSeconds;
  uint64_t updateAllocations = 0;
  // Empty when the drive could run; otherwise why not.
  const char* failure = "";
};

// Drives the song and the timeline once, on the first call, and keeps what it found. The show's
// live state is left at the end of the song.
const ShowCapture& CaptureShow();

}  // namespace brisa_bench
