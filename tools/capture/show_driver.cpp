// The offline main loop: the program's start-up, then every frame of the song shown to the observer.
#include "tools/capture/show_driver.h"

#include <SDL.h>
#include <glad/gl.h>

#include "demo/audio.h"
#include "demo/frame_picture.h"
#include "demo/show_start.h"
#include "demo/song_positions.h"
#include "demo/timeline.h"

namespace show_capture {

namespace {

// No sound card is needed and no window is to be seen; a driver named in the environment still wins.
void PreferHeadlessDrivers() {
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_DEFAULT);
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_DEFAULT);
}

// The program's start-up without its sound device and its wait: the offline show keeps the time.
ShowOutcome StartShow() {
  PreferHeadlessDrivers();
  if (!SetUpShow()) return ShowOutcome::SetUpFailed;
  const SongPlayerOutcome song = MakeSongPlayer();
  if (song == SongPlayerOutcome::ModuleUnreadable) return ShowOutcome::SongMissing;
  if (song == SongPlayerOutcome::ModuleUnplayable) return ShowOutcome::SongUnplayable;
  return ShowOutcome::Played;
}

// The observers' view of the frame just played, after its UpdateDemo.
ShowFrame SeenFrame(const OfflineFrame& played) {
  ShowFrame frame(played);
  frame.timelineState = timelineState;
  frame.lastCreditsFrame =
      timelineState == SceneCredits && !frame.lastFrame && frame.nextMusic.order == ShatterOrder;
  return frame;
}

// A swap leaves the window's back buffer undefined, but the offscreen driver keeps the frame there.
// Filling it with a colour no frame has makes the show fail here as it would on a real display,
// should it read a presented frame back. The clear colour is not put back: every frame sets its own
// before it clears, and reading it back would stall the driver's thread once a frame.
void SpoilBackBuffer() {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

// The rest of the frame in the main loop's order: drawn when wanted, shown to the observer, presented.
void FinishFrame(ShowObserver& observer, const ShowFrame& frame, ShowRun& run) {
  const bool rendered = observer.WantsPicture(frame) || frame.lastCreditsFrame;
  if (rendered) {
    DrawFrame();
    ++run.renderedFrames;
  }
  observer.OnFrame(frame, rendered);
  if (rendered) {
    PresentFrame();
    SpoilBackBuffer();
  }
  ++run.frames;
}

}  // namespace

ShowRun PlayShow(ShowObserver& observer) {
  ShowRun run;
  run.outcome = StartShow();
  if (run.outcome != ShowOutcome::Played) return run;
  OfflineShow show(ClockStartMs, MixedBytes::Kept);
  while (show.PlayFrame()) FinishFrame(observer, SeenFrame(show.frame()), run);
  ModPlug_Unload(songModule);
  songModule = nullptr;
  run.soundtrack = show.TakeSoundtrack();
  return run;
}

}  // namespace show_capture
