// The program: start-up, the frame loop and shut-down, each in its fixed order.
#include <iostream>

#include <SDL.h>

#include "demo/audio.h"
#include "demo/close_engine.h"
#include "demo/demo_clock.h"
#include "demo/pause.h"
#include "demo/show_loop.h"
#include "demo/show_start.h"
#include "demo/stop_song.h"

namespace {

// Without a device no callback runs and the show would never leave its first section: give up.
int AbandonWithoutSoundDevice() {
  std::cerr << "Sound device could not be opened! SDL_Error: " << SDL_GetError() << std::endl;
  CloseEngine();
  return 1;
}

// The module cannot be played: release what is open and give up before the music starts.
int AbandonWithoutSong(SDL_AudioDeviceID device) {
  SDL_CloseAudioDevice(device);
  CloseEngine();
  return 1;
}

}  // namespace

int main(int /*argc*/, char** /*argv*/) {
  if (!SetUpShow()) {
    CloseEngine();
    PauseForKey();
    return 1;
  }
  const SDL_AudioDeviceID audioDevice = OpenSongAudioDevice();
  if (audioDevice == 0) return AbandonWithoutSoundDevice();
  if (MakeSongPlayer() != SongPlayerOutcome::Made) return AbandonWithoutSong(audioDevice);
  WaitBeforeTheSong();
  StartDemoClock(demoClock, SDL_GetTicks());
  SDL_PauseAudioDevice(audioDevice, 0);

  RunShowLoop(audioDevice);

  StopSong(audioDevice);
  CloseEngine();
  return 0;
}
