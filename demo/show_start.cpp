// The shared start-up steps: the scene, the song's player, and the wait before the song.
#include "demo/show_start.h"

#include <vector>

#include <SDL.h>

#include "demo/audio.h"
#include "demo/module_player.h"
#include "demo/scene.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

bool SetUpShow() {
  gEngine = Engine::Instance();
  CreateResourceManager();
  lastAudioBytes = AudioBytesBeforeFirstCallback;
  return InitDemo();
}

SongPlayerOutcome MakeSongPlayer() {
  ApplySongSettings();
  std::vector<uint8_t> moduleBytes;
  if (!ReadWholeFile(SongModulePath, moduleBytes)) return SongPlayerOutcome::ModuleUnreadable;
  songModule = LoadSong(moduleBytes);
  return songModule != nullptr ? SongPlayerOutcome::Made : SongPlayerOutcome::ModuleUnplayable;
}

void WaitBeforeTheSong() {
  timelineState = SceneBeforeStart;
  SDL_Delay(SongStartDelayMs);
  timelineState = SceneIntro;
}
