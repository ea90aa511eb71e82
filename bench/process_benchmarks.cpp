// InitDemo timed once, the machine context, and the peak resident memory after the run.
#include "bench/process_benchmarks.h"

#include <sys/resource.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>
#include <glad/gl.h>

#include "bench/stopwatch.h"
#include "config/screen.h"
#include "demo/scene.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

namespace brisa_bench {

namespace {

constexpr double KibibytesPerMebibyte = 1024.0;

std::string CpuModel() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  const std::string key = "model name";
  for (std::string line; std::getline(cpuinfo, line);) {
    const size_t colon = line.find(':');
    if (line.compare(0, key.size(), key) == 0 && colon != std::string::npos) return line.substr(colon + 2);
  }
  return "unknown";
}

// Whether the driver's work ran on Mesa's GL thread: the submission times depend on it.
std::string GlThreadSetting() {
  const char* setting = std::getenv("mesa_glthread");
  return setting != nullptr ? setting : "unset";
}

std::string GlString(GLenum name) {
  const auto* text = reinterpret_cast<const char*>(glGetString(name));
  return text != nullptr ? text : "unknown";
}

}  // namespace

InitTiming TimeInitDemo() {
  gEngine = Engine::Instance();
  CreateResourceManager();
  const double start = WallSeconds();
  const bool succeeded = InitDemo();
  return {succeeded, WallSeconds() - start};
}

void AddMachineContext() {
  benchmark::AddCustomContext("cpu_model", CpuModel());
  benchmark::AddCustomContext("gl_renderer", GlString(GL_RENDERER));
  benchmark::AddCustomContext("gl_version", GlString(GL_VERSION));
  benchmark::AddCustomContext("mesa_glthread", GlThreadSetting());
  benchmark::AddCustomContext("screen", std::to_string(ScreenWidth) + "x" + std::to_string(ScreenHeight));
}

void RegisterInitBenchmark(const InitTiming& timing) {
  benchmark::RegisterBenchmark("InitDemo", [timing](benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(timing.seconds);
  })
      ->UseManualTime()
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
}

void RegisterPeakMemoryBenchmark() {
  benchmark::RegisterBenchmark("PeakResidentMemory", [](benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(0.0);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / KibibytesPerMebibyte;
  })
      ->UseManualTime()
      ->Iterations(1);
}

}  // namespace brisa_bench
