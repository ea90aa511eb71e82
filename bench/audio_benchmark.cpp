// The audio callback with the real song loaded: time per 4096-frame buffer, the worst one, and
// heap allocations, the song played through once and started again when it ends.
#include "bench/audio_benchmark.h"

#include <cstdint>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/heap_counter.h"
#include "bench/song_module.h"
#include "bench/stopwatch.h"
#include "demo/audio.h"
#include "tools/capture/offline_pacing.h"

namespace brisa_bench {

namespace {

constexpr double MicrosecondsPerSecond = 1e6;
// The song is about 3.5 minutes, some 2300 buffers; this plays it through and starts it again.
constexpr int MeasuredBuffers = 3000;

void BenchAudioCallback(benchmark::State& state) {
  if (!LoadSongModule()) {
    state.SkipWithError("the song cannot be loaded from Assets/sorvane.mod");
    return;
  }
  std::vector<Uint8> buffer(static_cast<size_t>(show_capture::MixBufferBytes));
  const int length = static_cast<int>(buffer.size());
  Samples wall;
  Samples cpu;
  uint64_t allocations = 0;
  int songEnds = 0;
  for (auto _ : state) {
    const uint64_t allocationsBefore = ThreadHeapAllocations();
    Stopwatch stopwatch;
    AudioCallback(nullptr, buffer.data(), length);
    const Stopwatch::Lap lap = stopwatch.NextLap();
    allocations += ThreadHeapAllocations() - allocationsBefore;
    state.SetIterationTime(lap.wallSeconds);
    wall.Add(lap.wallSeconds);
    cpu.Add(lap.cpuSeconds);
    if (lastAudioBytes.load() == 0) {
      ++songEnds;
      LoadSongModule();
    }
  }
  state.counters["p99_us"] = cpu.Percentile(0.99) * MicrosecondsPerSecond;
  state.counters["worst_us"] = cpu.Largest() * MicrosecondsPerSecond;
  state.counters["worst_wall_us"] = wall.Largest() * MicrosecondsPerSecond;
  state.counters["allocs_total"] = static_cast<double>(allocations);
  state.counters["song_ends"] = songEnds;
}

}  // namespace

void RegisterAudioBenchmark() {
  benchmark::RegisterBenchmark("AudioCallback/4096_frames", BenchAudioCallback)
      ->UseManualTime()
      ->Iterations(MeasuredBuffers)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace brisa_bench
