// Wall-clock and thread CPU time of one stretch of code, and the worst of many.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <ctime>
#include <numeric>
#include <vector>

namespace brisa_bench {

// Seconds of CPU time the calling thread has used: preemption by other processes does not count.
inline double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Seconds of CPU time all threads of the process have used: with llvmpipe, the rasterizer threads'
// work too, whatever the other processes on the machine leave them.
inline double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline double WallSeconds() {
  using Clock = std::chrono::steady_clock;
  return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

// Started on construction; Lap() gives both times since the previous lap and starts the next.
class Stopwatch {
 public:
  struct Lap {
    double wallSeconds;
    double cpuSeconds;
  };

  Stopwatch() : wall_(WallSeconds()), cpu_(ThreadCpuSeconds()) {}

  Lap NextLap() {
    const double wall = WallSeconds();
    const double cpu = ThreadCpuSeconds();
    const Lap lap{wall - wall_, cpu - cpu_};
    wall_ = wall;
    cpu_ = cpu;
    return lap;
  }

 private:
  double wall_;
  double cpu_;
};

// A series of measurements. Its worst one is what a frame budget is about; on a machine shared
// with other work, a high percentile tells the code's own worst from the preemptions.
class Samples {
 public:
  void Add(double value) { values_.push_back(value); }

  long Count() const { return static_cast<long>(values_.size()); }
  double Largest() const { return values_.empty() ? 0.0 : *std::max_element(values_.begin(), values_.end()); }
  double Mean() const {
    return values_.empty() ? 0.0 : std::accumulate(values_.begin(), values_.end(), 0.0) / static_cast<double>(Count());
  }
  // The value that `fraction` of the samples do not exceed (nearest rank).
  double Percentile(double fraction) const {
    if (values_.empty()) return 0.0;
    std::vector<double> sorted = values_;
    const auto rank = static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1) + 0.5);
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(rank), sorted.end());
    return sorted[rank];
  }

 private:
  std::vector<double> values_;
};

}  // namespace brisa_bench
