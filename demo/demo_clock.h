// Starting and advancing the demo's millisecond clock from SDL's tick count.
#pragma once

#include <cstdint>

#include "demo/music_state.h"

// Both fields take the tick count.
void StartDemoClock(DemoClock& clock, uint32_t ticks);
// Adds the ticks elapsed since the last call; both fields wrap around at 32 bits.
void AdvanceDemoClock(DemoClock& clock, uint32_t ticks);
