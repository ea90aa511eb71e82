// The section moments and the one drive through the song that captures them.
#include "bench/show_moments.h"

#include <functional>

#include <glad/gl.h>

#include "bench/heap_counter.h"
#include "bench/song_module.h"
#include "config/screen.h"
#include "demo/audio.h"
#include "demo/fade.h"
#include "demo/frame_picture.h"
#include "demo/greets.h"
#include "demo/music_state.h"
#include "demo/scene.h"
#include "demo/song_positions.h"
#include "demo/timeline.h"
#include "tools/capture/offline_show.h"

namespace brisa_bench {

namespace {

// The demo clock when the music starts: main's clock is at least its one-second wait by then.
constexpr int32_t SongStartClockMs = 2000;

constexpr int ReplayWindowFrames = 30;
// Frames after the grab in which every tile is still above the screen's bottom edge, in every
// build (the frame benchmark's tiles_min shows it).
constexpr int ShatterWindowFrames = 6;
// How long the second lyric line has been scrolling in the arranged shatter frame: about half the
// strip is on screen then.
constexpr int32_t ShatterLyricsLeadMs = 2000;
constexpr int32_t FadeClearlyVisible = 32;

bool Order(int32_t order) { return musicSnapshot.order == order; }

bool GreetingAppearing() { return greets->state == GreetFadingIn && !greets->done; }

bool IntroFlamingoAndTitle() { return timelineState == SceneIntro && Order(FlamingoOrder) && musicSnapshot.row >= 40; }
bool WindsurfLogo() { return timelineState == SceneWindsurf && Order(WindsurfOrder); }
bool WindsurfSailing() {
  return timelineState == SceneWindsurf && Order(SailingOrder) && musicSnapshot.row >= 8 && flamingoDrawCount > 0;
}
bool CreditsShown() { return timelineState == SceneCredits && Order(CreditsOrder); }
bool ScreenShattered() { return timelineState == SceneShatter; }
bool GreetingShown() { return timelineState == SceneGreetings && fade->alpha == 0 && GreetingAppearing(); }
bool ParrotAndGreeting() { return timelineState == ScenePapagayo && papagayoX == 0.0f && GreetingAppearing(); }
bool FinaleLyricsAndFade() {
  return timelineState == SceneFinale && Order(ClosingOrder) && fade->fadeIn && fade->alpha >= FadeClearlyVisible &&
         lyricsPosition.x < static_cast<float>(ScreenWidth);
}

// The song draws the second lyric line only after the tiles have fallen; the bench shows both.
void LyricsOverTiles() {
  musicSnapshot.order = SecondLyricOrder;
  segmentStartMs = demoClock.timeMs - ShatterLyricsLeadMs;
}

// The credits' last frame, at the last row of their last order, drawn and kept as the main loop
// presents it, for the shatter cue's grab to cut.
void DrawLastCreditsFrame() {
  if (timelineState == SceneCredits && Order(FirstLyricOrder) && musicSnapshot.row == LastPatternRow) {
    DrawFrame();
    glFinish();
  }
}

void CaptureReached(ShowCapture& capture) {
  for (int i = 0; i < SectionCount; ++i) {
    const SectionMoment& moment = SectionMoments[i];
    if (capture.moments[i] || !moment.reached()) continue;
    const show_capture::SceneState live = show_capture::SceneState::Capture();
    if (moment.arrange == nullptr) {
      capture.moments[i] = live;
      continue;
    }
    moment.arrange();
    capture.moments[i] = show_capture::SceneState::Capture();
    live.Restore();
  }
}

// UpdateDemo, its thread CPU and wall time and its heap allocations added to the drive's figures.
void MeasuredUpdate(ShowCapture& capture) {
  const uint64_t allocationsBefore = ThreadHeapAllocations();
  Stopwatch stopwatch;
  UpdateDemo();
  const Stopwatch::Lap lap = stopwatch.NextLap();
  capture.updateAllocations += ThreadHeapAllocations() - allocationsBefore;
  capture.updateCpuSeconds.Add(lap.cpuSeconds);
  capture.updateWallSeconds.Add(lap.wallSeconds);
}

void Drive(ShowCapture& capture) {
  show_capture::OfflineShow show(SongStartClockMs, show_capture::MixedBytes::Dropped);
  const std::function<void()> update = [&capture] { MeasuredUpdate(capture); };
  while (show.PlayFrame(update)) {
    DrawLastCreditsFrame();
    CaptureReached(capture);
  }
  capture.frames = show.framesPlayed();
}

ShowCapture RunCapture() {
  ShowCapture capture;
  if (!LoadSongModule()) {
    capture.failure = "the song cannot be loaded from Assets/sorvane.mod";
    return capture;
  }
  Drive(capture);
  ModPlug_Unload(songModule);
  songModule = nullptr;
  return capture;
}

}  // namespace

const SectionMoment SectionMoments[SectionCount] = {
    {"intro", IntroFlamingoAndTitle, nullptr, ReplayWindowFrames},
    {"windsurf_logo", WindsurfLogo, nullptr, ReplayWindowFrames},
    {"windsurf_surfer", WindsurfSailing, nullptr, ReplayWindowFrames},
    {"credits", CreditsShown, nullptr, ReplayWindowFrames},
    {"shatter", ScreenShattered, LyricsOverTiles, ShatterWindowFrames},
    {"greetings", GreetingShown, nullptr, ReplayWindowFrames},
    {"papagayo", ParrotAndGreeting, nullptr, ReplayWindowFrames},
    {"finale", FinaleLyricsAndFade, nullptr, ReplayWindowFrames},
};

const ShowCapture& CaptureShow() {
  static const ShowCapture capture = RunCapture();
  return capture;
}

}  // namespace brisa_bench
