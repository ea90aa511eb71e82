// Frame benchmarks: each section replayed from its moment of the real show. The time is that of
// RenderDemo followed by glFinish (the frame with llvmpipe's rasterizing); counters give the worst
// frame, the CPU all threads spent, the worst CPU time of UpdateDemo and of RenderDemo's
// submission, and the heap allocations of both.
#include "bench/frame_benchmarks.h"

#include <algorithm>
#include <iterator>
#include <string>

#include <benchmark/benchmark.h>
#include <glad/gl.h>

#include "bench/heap_counter.h"
#include "bench/show_moments.h"
#include "bench/stopwatch.h"
#include "config/screen.h"
#include "demo/demo_clock.h"
#include "demo/music_state.h"
#include "demo/render.h"
#include "demo/scene.h"
#include "demo/tile_shatter.h"
#include "demo/timeline.h"
#include "tools/capture/offline_pacing.h"

namespace brisa_bench {

namespace {

// Enough frames for a worst case that means something, few enough for 1920x1080 on llvmpipe.
constexpr int MeasuredFrames = 300;
// Frames played before measuring, so llvmpipe has compiled the shader variants the section uses.
constexpr int WarmUpFrames = 30;
constexpr double MillisecondsPerSecond = 1e3;
constexpr double MicrosecondsPerSecond = 1e6;

struct FrameSample {
  Stopwatch::Lap update;  // UpdateDemo
  Stopwatch::Lap submit;  // RenderDemo: the GL calls, before the driver has drawn them
  double frameWallSeconds;  // RenderDemo and glFinish
  double frameProcessCpuSeconds;  // the whole frame, every thread of the process
  uint64_t allocations;  // during UpdateDemo and RenderDemo
};

int TilesOnScreen() {
  return static_cast<int>(std::count_if(std::begin(tiles->positions), std::end(tiles->positions),
                                        [](const glm::vec3& at) { return at.y < static_cast<float>(ScreenHeight); }));
}

FrameSample PlayFrame(int32_t timeMs) {
  AdvanceDemoClock(demoClock, static_cast<uint32_t>(timeMs));
  FrameSample sample{};
  const uint64_t allocationsBefore = ThreadHeapAllocations();
  const double processCpuBefore = ProcessCpuSeconds();
  Stopwatch stopwatch;
  UpdateDemo();
  sample.update = stopwatch.NextLap();
  RenderDemo();
  sample.submit = stopwatch.NextLap();
  sample.allocations = ThreadHeapAllocations() - allocationsBefore;
  glFinish();
  sample.frameWallSeconds = sample.submit.wallSeconds + stopwatch.NextLap().wallSeconds;
  sample.frameProcessCpuSeconds = ProcessCpuSeconds() - processCpuBefore;
  return sample;
}

// Plays frames on from a moment at 60 Hz and puts the show back to it every `windowFrames`.
class SectionReplay {
 public:
  SectionReplay(const show_capture::SceneState& moment, int windowFrames)
      : moment_(moment), windowFrames_(windowFrames) {}

  FrameSample Next() {
    if (frameInWindow_ == 0) {
      moment_.Restore();
      momentClockMs_ = demoClock.timeMs;
    }
    ++frameInWindow_;
    const int32_t timeMs = show_capture::FrameClockMs(frameInWindow_, momentClockMs_);
    if (frameInWindow_ == windowFrames_) frameInWindow_ = 0;
    return PlayFrame(timeMs);
  }

  void Rewind() { frameInWindow_ = 0; }

 private:
  const show_capture::SceneState& moment_;
  int windowFrames_;
  int frameInWindow_ = 0;
  int32_t momentClockMs_ = 0;
};

struct SectionFigures {
  Samples frameWall;
  Samples frameProcessCpu;
  Samples updateCpu;
  Samples submitCpu;
  uint64_t allocations = 0;
  int fewestTiles = TileCount;

  void Add(const FrameSample& sample) {
    frameWall.Add(sample.frameWallSeconds);
    frameProcessCpu.Add(sample.frameProcessCpuSeconds);
    updateCpu.Add(sample.update.cpuSeconds);
    submitCpu.Add(sample.submit.cpuSeconds);
    allocations += sample.allocations;
    if (timelineState == SceneShatter) fewestTiles = std::min(fewestTiles, TilesOnScreen());
  }

  void Report(benchmark::State& state) const {
    state.counters["frame_p50_ms"] = frameWall.Percentile(0.5) * MillisecondsPerSecond;
    state.counters["frame_p99_ms"] = frameWall.Percentile(0.99) * MillisecondsPerSecond;
    state.counters["frame_worst_ms"] = frameWall.Largest() * MillisecondsPerSecond;
    state.counters["frame_cpu_ms"] = frameProcessCpu.Mean() * MillisecondsPerSecond;
    state.counters["update_p99_us"] = updateCpu.Percentile(0.99) * MicrosecondsPerSecond;
    state.counters["update_worst_us"] = updateCpu.Largest() * MicrosecondsPerSecond;
    state.counters["submit_p50_us"] = submitCpu.Percentile(0.5) * MicrosecondsPerSecond;
    state.counters["submit_p99_us"] = submitCpu.Percentile(0.99) * MicrosecondsPerSecond;
    state.counters["submit_worst_us"] = submitCpu.Largest() * MicrosecondsPerSecond;
    state.counters["allocs_per_frame"] =
        static_cast<double>(allocations) / static_cast<double>(std::max(frameWall.Count(), 1L));
    if (timelineState == SceneShatter) state.counters["tiles_min"] = fewestTiles;
  }
};

// Why a section cannot be measured; null when it can.
const char* MissingMoment(const ShowCapture& capture, int section) {
  if (*capture.failure != '\0') return capture.failure;
  if (!capture.moments[section]) return "the song never reached this section's moment";
  return nullptr;
}

void BenchSection(benchmark::State& state, int section) {
  const ShowCapture& capture = CaptureShow();
  if (const char* missing = MissingMoment(capture, section)) {
    state.SkipWithError(missing);
    return;
  }
  SectionReplay replay(*capture.moments[section], SectionMoments[section].windowFrames);
  for (int i = 0; i < WarmUpFrames; ++i) replay.Next();
  replay.Rewind();
  SectionFigures figures;
  for (auto _ : state) {
    const FrameSample sample = replay.Next();
    state.SetIterationTime(sample.frameWallSeconds);
    figures.Add(sample);
  }
  figures.Report(state);
}

// UpdateDemo over every frame of the song, cue frames included, as the drive measured it; the
// time is the mean.
void BenchWholeSongUpdate(benchmark::State& state) {
  const ShowCapture& capture = CaptureShow();
  if (*capture.failure != '\0') {
    state.SkipWithError(capture.failure);
    return;
  }
  for (auto _ : state) state.SetIterationTime(capture.updateWallSeconds.Mean());
  const auto found = std::count_if(std::begin(capture.moments), std::end(capture.moments),
                                   [](const auto& moment) { return moment.has_value(); });
  state.counters["frames"] = static_cast<double>(capture.frames);
  state.counters["update_p99_us"] = capture.updateCpuSeconds.Percentile(0.99) * MicrosecondsPerSecond;
  state.counters["update_worst_us"] = capture.updateCpuSeconds.Largest() * MicrosecondsPerSecond;
  state.counters["update_worst_wall_us"] = capture.updateWallSeconds.Largest() * MicrosecondsPerSecond;
  state.counters["allocs_total"] = static_cast<double>(capture.updateAllocations);
  state.counters["sections_found"] = static_cast<double>(found);
}

}  // namespace

void RegisterFrameBenchmarks() {
  benchmark::RegisterBenchmark("UpdateDemo/whole_song", BenchWholeSongUpdate)
      ->UseManualTime()
      ->Iterations(1)
      ->Unit(benchmark::kMicrosecond);
  for (int section = 0; section < SectionCount; ++section) {
    const std::string name = std::string("Frame/") + SectionMoments[section].name;
    benchmark::RegisterBenchmark(name.c_str(), BenchSection, section)
        ->UseManualTime()
        ->Iterations(MeasuredFrames)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace brisa_bench
