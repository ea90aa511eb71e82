// The once-per-process figures: InitDemo's time, the machine it ran on, and the peak memory.
#pragma once

namespace brisa_bench {

struct InitTiming {
  bool succeeded;
  double seconds;
};

// Runs the program's start-up up to InitDemo as main does and times InitDemo. It can run only once
// per process (it starts the engine), so the bench program calls it before any other benchmark.
InitTiming TimeInitDemo();

// The CPU model and the OpenGL renderer and version, added to the benchmark context.
void AddMachineContext();

// Reports the time TimeInitDemo measured.
void RegisterInitBenchmark(const InitTiming& timing);
// Reports the process's peak resident memory; registered last, so it follows every other benchmark.
void RegisterPeakMemoryBenchmark();

}  // namespace brisa_bench
