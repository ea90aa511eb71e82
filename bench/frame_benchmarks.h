// Registration of the timeline and frame benchmarks.
#pragma once

namespace brisa_bench {

// The whole-song UpdateDemo figures, then one frame benchmark per section in show order.
void RegisterFrameBenchmarks();

}  // namespace brisa_bench
