// Stopping the song: pause, release, close, in that order.
#include "demo/stop_song.h"

#include "demo/audio.h"

void StopSong(SDL_AudioDeviceID audioDevice) {
  SDL_PauseAudioDevice(audioDevice, 1);
  ModPlug_Unload(songModule);
  songModule = nullptr;
  SDL_CloseAudioDevice(audioDevice);
}
