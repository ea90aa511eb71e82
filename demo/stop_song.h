// The music's part of the shut-down: the device stopped before the player it reads is freed.
#pragma once

#include <SDL.h>

// Pauses `audioDevice` (once that returns, its callback is not running and will not run again),
// then frees songModule and closes the device.
void StopSong(SDL_AudioDeviceID audioDevice);
