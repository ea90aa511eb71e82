// On Windows: the window's pixels are the screen's, whatever scaling the desktop uses.
#include "engine/platform_settings.h"

#include <SDL.h>

// A program that does not declare itself aware of the desktop's scaling gets its window stretched
// by the system (a 1920x1080 window on a 1080p screen at 150% would reach past the screen's edges);
// declared aware, the borderless window covers exactly the build's pixels, centred on the screen.
void ApplyPlatformSettings() { SDL_SetHint(SDL_HINT_WINDOWS_DPI_AWARENESS, "permonitorv2"); }
