// Copying the player's position and the current row's cells into the frame's MusicSnapshot.
#pragma once

#include <SDL.h>
#include <libmodplug/modplug.h>

#include "demo/music_state.h"

// Reads order, pattern, row and channels 0..3's row note and instrument, with no lock.
void ReadMusicSnapshot(ModPlugFile* module, MusicSnapshot& snapshot);

// The same under the device's lock, so all eleven values come from one point between callbacks.
void TakeMusicSnapshot(ModPlugFile* module, SDL_AudioDeviceID device, MusicSnapshot& snapshot);
