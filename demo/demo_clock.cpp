// The demo clock in unsigned 32-bit arithmetic, so the tick counter's wrap is harmless.
#include "demo/demo_clock.h"

namespace {

int32_t AsSigned(uint32_t value) {
  return static_cast<int32_t>(value);
}

}  // namespace

void StartDemoClock(DemoClock& clock, uint32_t ticks) {
  clock.timeMs = AsSigned(ticks);
  clock.lastTicks = AsSigned(ticks);
}

void AdvanceDemoClock(DemoClock& clock, uint32_t ticks) {
  const uint32_t elapsed = ticks - static_cast<uint32_t>(clock.lastTicks);
  clock.timeMs = AsSigned(static_cast<uint32_t>(clock.timeMs) + elapsed);
  clock.lastTicks = AsSigned(ticks);
}
