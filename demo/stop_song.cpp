// Stopping the song: pause, release, close, in that order.
#include "demo/stop_song.h"

#include "demo/audio.h"
#include "demo/module_player.h"

void StopSong(SDL_AudioDeviceID audioDevice) {
  SDL_PauseAudioDevice(audioDevice, 1);
  ReleaseSong(songModule, audioDevice);
  SDL_CloseAudioDevice(audioDevice);
}
