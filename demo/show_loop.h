// The frame loop on the main thread, from the first frame of the song to its end or the viewer's quit.
#pragma once

#include <SDL.h>

// Runs frames while the song plays (lastAudioBytes not 0): the events drained, the demo clock
// advanced, the snapshot taken from songModule under `audioDevice`'s lock, the timeline updated,
// the frame drawn and presented. A quit event or an Escape key press ends the loop once the frame
// in which it is read has been presented, before the next frame's events are read.
void RunShowLoop(SDL_AudioDeviceID audioDevice);
