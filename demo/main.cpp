// The program: start-up, the frame loop and shut-down, each in its fixed order.
#include <vector>

#include <SDL.h>

#include "demo/audio.h"
#include "demo/close_engine.h"
#include "demo/demo_clock.h"
#include "demo/module_player.h"
#include "demo/pause.h"
#include "demo/scene.h"
#include "demo/show_loop.h"
#include "demo/stop_song.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

namespace {

constexpr Uint32 StartDelayMs = 1000;

// The module cannot be played: release what is open and give up before the music starts.
int AbandonWithoutSong(SDL_AudioDeviceID device) {
  SDL_CloseAudioDevice(device);
  CloseEngine();
  return 1;
}

}  // namespace

int main(int /*argc*/, char** /*argv*/) {
  gEngine = Engine::Instance();
  CreateResourceManager();
  lastAudioBytes = AudioBytesBeforeFirstCallback;
  if (!InitDemo()) {
    CloseEngine();
    PauseForKey();
    return 1;
  }
  const SDL_AudioDeviceID audioDevice = OpenSongAudioDevice();
  ApplySongSettings();
  std::vector<uint8_t> moduleBytes;
  if (!ReadWholeFile(SongModulePath, moduleBytes)) return AbandonWithoutSong(audioDevice);
  songModule = LoadSong(moduleBytes);
  std::vector<uint8_t>().swap(moduleBytes);
  if (songModule == nullptr) return AbandonWithoutSong(audioDevice);

  timelineState = SceneBeforeStart;
  SDL_Delay(StartDelayMs);
  timelineState = SceneIntro;
  StartDemoClock(demoClock, SDL_GetTicks());
  SDL_PauseAudioDevice(audioDevice, 0);

  RunShowLoop(audioDevice);

  StopSong(audioDevice);
  CloseEngine();
  return 0;
}
