// On Linux: Mesa's switches for the show's drawing thread.
#include "engine/platform_settings.h"

#include <cstdlib>

// Mesa's software rasterisers shade vertices and set up every primitive on the thread that calls
// GL; its GL thread takes that work over, so the main loop only queues the frame's calls. Values
// already in the environment are left as they are. "silent" keeps the driver from announcing the
// setting on the console the show reports on.
void ApplyPlatformSettings() {
  constexpr int KeepExistingValue = 0;
  setenv("mesa_glthread", "true", KeepExistingValue);
  setenv("MESA_DEBUG", "silent", KeepExistingValue);
}
