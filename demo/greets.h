// The greetings animator: 57 atlas cells shown one at a time on the beat, drifting and fading.
#pragma once

#include <cstdint>

#include <glm/glm.hpp>

#include "config/screen.h"
#include "engine/engine.h"

enum GreetsState : int32_t {
  GreetWaiting = 0,
  GreetFadingIn = 1,
  GreetHolding = 2,
  GreetFadingOut = 3,
};

// The instrument on channel 2 that starts the next greeting.
constexpr uint8_t GreetBeatInstrument = 10;

// Where and how large the current greeting is drawn this frame.
struct GreetSprite {
  TextureRect source;
  int16_t x;
  int16_t y;
  uint16_t width;
  uint16_t height;
  uint8_t alpha;
};

struct Greets {
  // One step of the state machine and of the drift; reads demoClock and musicSnapshot.
  void Update();
  // Draws the current cell (also while waiting, at alpha 0); nothing once done.
  void Render();
  // The sprite Render draws at demo time t; GL-free.
  GreetSprite Sprite(int32_t t) const;

  int32_t state = GreetWaiting;
  int32_t alpha = 0;
  float speed = 0.2f * SpriteScale;  // screen pixels per millisecond
  float fadeRate = 0.8f;             // alpha per millisecond
  glm::vec2 direction{0.0f, 0.0f};
  glm::vec2 startPosition{0.0f, 0.0f};
  glm::vec2 position{0.0f, 0.0f};
  int32_t texture = -1;
  int32_t cellX = 0;
  int32_t cellY = 0;
  uint16_t cellWidth = 512;
  uint16_t cellHeight = 64;
  int32_t count = 0;
  int32_t total = 57;
  bool done = false;
  int32_t appearMs = 0;
  int32_t phaseMs = 0;

 private:
  void Begin(int32_t t);
  void StepPhase(int32_t t, uint8_t instrument);
  void Drift(int32_t t);
};
