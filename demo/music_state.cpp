// The process-wide music snapshot and demo clock.
#include "demo/music_state.h"

MusicSnapshot musicSnapshot;
DemoClock demoClock;
