// The music-keyed timeline: its seven sections, the globals it animates, and the per-frame update.
#pragma once

#include <cstdint>

#include <glm/glm.hpp>

#include "config/screen.h"
#include "engine/engine.h"

enum TimelineState : int {
  SceneBeforeStart = -1,
  SceneIntro = 0,
  SceneWindsurf = 1,
  SceneCredits = 2,
  SceneShatter = 3,
  SceneGreetings = 4,
  ScenePapagayo = 5,
  SceneFinale = 6,
};

// A value that walks towards its target by a fixed step per frame.
struct SettlingValue {
  float current;
  float target;
};

// Lyric scroll rates in milliseconds per screen pixel: slow under the credits, fast elsewhere.
constexpr float LyricsSlowDivisor = 2.5f / SpriteScale;
constexpr float LyricsFastDivisor = 1.8f / SpriteScale;
// Lyric lines in "Assets/lyrics.png", one strip high each.
constexpr int32_t LyricLineHeightPx = 64;

// Held as a plain int: main writes -1 and 0 around its start-up wait, the cues do the rest.
extern int timelineState;
// Start of the current timed segment in demo milliseconds; 0 while unset.
extern int32_t segmentStartMs;
extern float beatPulse;
extern int32_t beatLatch;
extern bool planeRiseStarted;
extern SettlingValue planeHeight;
extern SettlingValue planePitch;
// Written by scene set-up: the flamingo's mesh id and its full index count.
extern int32_t flamingoMeshIndex;
extern int32_t flamingoFullCount;
extern int32_t flamingoDrawCount;
// In 1920-wide design pixels.
extern float papagayoX;
extern TextureRect creditsTitleRect;
extern TextureRect creditsNameRect;
extern TextureRect lyricsRect;
// Screen pixels; scene set-up places it at (ScreenWidth, 3/4 ScreenHeight).
extern glm::vec2 lyricsPosition;

// One frame of animation: at most one cue, the beat pulse, then the current section's work.
// Reads demoClock and musicSnapshot, which main has updated for this frame.
void UpdateDemo();

// The section changes: at most one cue, the one whose order position and from-state match;
// true when one fired. t is the frame's demo time.
bool FireCue(int32_t order, int32_t t);

// Each section's per-frame work (the state after the cue), t being the frame's demo time.
void UpdateIntro(int32_t t);
void UpdateWindsurf(int32_t t);
void UpdateCredits(int32_t t);
void UpdateShatter(int32_t t);
void UpdateGreetings();
void UpdatePapagayo(int32_t t);
void UpdateFinale(int32_t t);
