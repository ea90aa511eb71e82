// The timeline's globals, its cue table and the per-frame update.
#include "demo/timeline.h"

#include "config/screen.h"
#include "demo/beat_pulse.h"
#include "demo/fade.h"
#include "demo/music_state.h"
#include "demo/scene.h"
#include "demo/screen_grab.h"
#include "demo/song_positions.h"
#include "demo/tile_shatter.h"

int timelineState = SceneIntro;
int32_t segmentStartMs = 0;
float beatPulse = 1.0f;
int32_t beatLatch = 0;
bool planeRiseStarted = false;
SettlingValue planeHeight{2.0f, 2.0f};
SettlingValue planePitch{-40.0f, -40.0f};
int32_t flamingoMeshIndex = -1;
int32_t flamingoFullCount = 0;
int32_t flamingoDrawCount = 0;
float papagayoX = -844.0f;
TextureRect creditsTitleRect{0, 0, 1080, 60};
TextureRect creditsNameRect{0, 180, 1080, 90};
TextureRect lyricsRect{0, 0, 2048, LyricLineHeightPx};
glm::vec2 lyricsPosition{0.0f, 0.0f};

namespace {

constexpr uint32_t White = 0xffffff;
constexpr uint32_t FinaleRed = 0xe0040f;
constexpr int32_t SectionFadeMs = 500;

const glm::vec2 LyricsHighStart{static_cast<float>(ScreenWidth), static_cast<float>(ScreenHeight / 4)};

void StartSectionFade(uint32_t rgb) {
  if (fade) {
    fade->Reset();
    fade->Start(rgb, false, SectionFadeMs);
  }
}

void EnterWindsurf(int32_t) { StartSectionFade(White); }

void EnterCredits(int32_t) {
  StartSectionFade(White);
  segmentStartMs = 0;
}

void EnterShatter(int32_t t) {
  GrabScreen();
  if (tiles) {
    tiles->startMs = t;
  }
  lyricsPosition = LyricsHighStart;
  lyricsRect.y = LyricLineHeightPx;
  segmentStartMs = 0;
}

void EnterGreetings(int32_t) { StartSectionFade(White); }

void EnterPapagayo(int32_t) { segmentStartMs = 0; }

void EnterFinale(int32_t) {
  lyricsPosition = LyricsHighStart;
  lyricsRect.y = 2 * LyricLineHeightPx;
  StartSectionFade(FinaleRed);
  segmentStartMs = 0;
}

struct Cue {
  int32_t order;
  int from;
  int to;
  void (*enter)(int32_t t);
};

// Tested in this order; each fires only at its exact order position and from its one state.
constexpr Cue Cues[] = {
    {WindsurfOrder, SceneIntro, SceneWindsurf, EnterWindsurf},
    {CreditsOrder, SceneWindsurf, SceneCredits, EnterCredits},
    {ShatterOrder, SceneCredits, SceneShatter, EnterShatter},
    {GreetingsOrder, SceneShatter, SceneGreetings, EnterGreetings},
    {PapagayoOrder, SceneGreetings, ScenePapagayo, EnterPapagayo},
    {FinaleOrder, ScenePapagayo, SceneFinale, EnterFinale},
};

void RunSection(int32_t t) {
  switch (timelineState) {
    case SceneIntro: UpdateIntro(t); break;
    case SceneWindsurf: UpdateWindsurf(t); break;
    case SceneCredits: UpdateCredits(t); break;
    case SceneShatter: UpdateShatter(t); break;
    case SceneGreetings: UpdateGreetings(); break;
    case ScenePapagayo: UpdatePapagayo(t); break;
    case SceneFinale: UpdateFinale(t); break;
    default: break;
  }
}

}  // namespace

bool FireCue(int32_t order, int32_t t) {
  for (const Cue& cue : Cues) {
    if (cue.order == order && cue.from == timelineState) {
      // The state changes first: the entry work and this frame's section work see the new one.
      timelineState = cue.to;
      cue.enter(t);
      return true;
    }
  }
  return false;
}

void UpdateDemo() {
  const int32_t t = demoClock.timeMs;
  FireCue(musicSnapshot.order, t);
  StepBeatPulse(beatPulse, beatLatch, musicSnapshot.rowInstrument[2]);
  RunSection(t);
}
