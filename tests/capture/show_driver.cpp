// The offline main loop: frame n at a fixed 60 Hz display time, the music mixed one buffer ahead.
#include "show_driver.h"

#include <SDL.h>

#include "demo/audio.h"
#include "demo/demo_clock.h"
#include "demo/module_player.h"
#include "demo/music_snapshot.h"
#include "demo/render.h"
#include "demo/scene.h"
#include "demo/screen_grab.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"
#include "show_pacing.h"
#include "soundtrack_mixer.h"

namespace show_capture {

namespace {

// The order position at which the credits give way to the shatter.
constexpr int32_t ShatterOrder = 15;

// No sound card is needed and no window is to be seen; a driver named in the environment still wins.
void PreferHeadlessDrivers() {
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_DEFAULT);
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_DEFAULT);
}

ShowOutcome StartShow() {
  PreferHeadlessDrivers();
  gEngine = Engine::Instance();
  CreateResourceManager();
  lastAudioBytes = AudioBytesBeforeFirstCallback;
  if (!InitDemo()) return ShowOutcome::SetUpFailed;
  ApplySongSettings();
  std::vector<uint8_t> moduleBytes;
  if (!ReadWholeFile(SongModulePath, moduleBytes)) return ShowOutcome::SongMissing;
  songModule = LoadSong(moduleBytes);
  if (songModule == nullptr) return ShowOutcome::SongUnplayable;
  timelineState = SceneIntro;
  StartDemoClock(demoClock, static_cast<uint32_t>(ClockStartMs));
  return ShowOutcome::Played;
}

// One frame in the main loop's order, the snapshot given; true while the song goes on after it.
bool RunFrame(ShowObserver& observer, SoundtrackMixer& mixer, ShowFrame& frame, ShowRun& run) {
  AdvanceDemoClock(demoClock, static_cast<uint32_t>(frame.clockMs));
  musicSnapshot = frame.music;
  // The device mixes the next frame's music while this one is drawn; mixing it now tells whether
  // this frame is the last of the credits.
  const bool songGoesOn = mixer.MixUntil(BuffersTakenBy(FramePlaybackMs(frame.index + 1)));
  if (songGoesOn) ReadMusicSnapshot(songModule, frame.nextMusic);
  frame.lastFrame = !songGoesOn;
  UpdateDemo();
  frame.timelineState = timelineState;
  frame.lastCreditsFrame = timelineState == SceneCredits && songGoesOn && frame.nextMusic.order == ShatterOrder;
  const bool rendered = observer.WantsPicture(frame) || frame.lastCreditsFrame;
  if (rendered) {
    RenderDemo();
    KeepPresentedFrame();
    ++run.renderedFrames;
  }
  observer.OnFrame(frame, rendered);
  if (rendered) SDL_GL_SwapWindow(gEngine->window);
  return songGoesOn;
}

}  // namespace

ShowRun PlayShow(ShowObserver& observer) {
  ShowRun run;
  run.outcome = StartShow();
  if (run.outcome != ShowOutcome::Played) return run;
  SoundtrackMixer mixer;
  MusicSnapshot music;
  bool songGoesOn = mixer.MixUntil(BuffersTakenBy(FramePlaybackMs(0)));
  if (songGoesOn) ReadMusicSnapshot(songModule, music);
  for (int64_t index = 0; songGoesOn; ++index) {
    ShowFrame frame;
    frame.index = index;
    frame.playbackMs = FramePlaybackMs(index);
    frame.clockMs = FrameClockMs(index);
    frame.music = music;
    songGoesOn = RunFrame(observer, mixer, frame, run);
    music = frame.nextMusic;
    ++run.frames;
  }
  ModPlug_Unload(songModule);
  songModule = nullptr;
  run.soundtrack = mixer.TakeBytes();
  return run;
}

}  // namespace show_capture
