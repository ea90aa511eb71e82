// Counting the program's calls of the global operator new, per thread.
#pragma once

#include <cstdint>

namespace brisa_bench {

// Calls of any form of the global operator new made so far on the calling thread. The bench
// program replaces the operators, so this also sees what libraries allocate through them.
uint64_t ThreadHeapAllocations();

}  // namespace brisa_bench
