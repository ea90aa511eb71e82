// The bench program of one screen size. Run it from a folder holding the staged Assets/ (the
// build's stage/): InitDemo first, then the timeline, frame and audio benchmarks, then peak memory.
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include <benchmark/benchmark.h>

#include "bench/audio_benchmark.h"
#include "bench/frame_benchmarks.h"
#include "bench/process_benchmarks.h"
#include "demo/module_player.h"

int main(int argc, char** argv) {
  // No display and no sound card needed; a caller's own choice wins.
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!std::filesystem::is_regular_file(SongModulePath)) {
    std::cerr << "Run from a folder holding the staged Assets/, such as " << BRISA_STAGE_DIR << "\n";
    return 2;
  }
  const brisa_bench::InitTiming init = brisa_bench::TimeInitDemo();
  if (!init.succeeded) {
    std::cerr << "InitDemo failed: the show cannot be measured\n";
    return 1;
  }
  brisa_bench::AddMachineContext();
  brisa_bench::RegisterInitBenchmark(init);
  brisa_bench::RegisterFrameBenchmarks();
  brisa_bench::RegisterAudioBenchmark();
  brisa_bench::RegisterPeakMemoryBenchmark();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
