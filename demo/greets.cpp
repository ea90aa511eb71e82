// The greetings animator: beat-started greetings that fade in, hold, fade out and drift.
#include "demo/greets.h"

#include <cmath>
#include <cstdlib>

#include "demo/beat_pulse.h"
#include "demo/music_state.h"

namespace {

constexpr int32_t GreetOpaque = 255;
constexpr int GreetColumns = 3;

// One rand() draw as a direction component in -0.5 to 0.499.
float RandomDirectionComponent() {
  return static_cast<float>(std::rand() % 1000 - 500) / 1000.0f;
}

// A unit drift direction from two draws (x first); the one draw pair without a direction
// (both at the centre) drifts to the right.
glm::vec2 RandomDirection() {
  const float dx = RandomDirectionComponent();
  const float dy = RandomDirectionComponent();
  const float length = static_cast<float>(std::sqrt(static_cast<double>(dy * dy + dx * dx)));
  if (length == 0.0f) {
    return glm::vec2(1.0f, 0.0f);
  }
  const float inverse = 1.0f / length;
  return glm::vec2(dx * inverse, dy * inverse);
}

// A start coordinate: a quarter of the screen plus a random offset below `range`. The range is
// negative across the screen width; the remainder keeps the sign of the draw, so the offset is
// never negative.
float RandomStart(int screenSize, uint16_t cellSize) {
  const int32_t scaledTriple = static_cast<int32_t>(static_cast<float>(cellSize) * SpriteScale * 3.0f);
  const int32_t range = screenSize / 2 - scaledTriple;
  return static_cast<float>(screenSize / 4 + std::rand() % range);
}

}  // namespace

void Greets::Update() {
  if (done) {
    return;
  }
  const int32_t t = demoClock.timeMs;
  StepPhase(t, musicSnapshot.rowInstrument[2]);
  Drift(t);
}

void Greets::StepPhase(int32_t t, uint8_t instrument) {
  switch (state) {
    case GreetWaiting:
      if (instrument == GreetBeatInstrument) {
        Begin(t);
      }
      break;
    case GreetFadingIn:
      alpha = static_cast<int32_t>(static_cast<float>(ElapsedMs(phaseMs, t)) * fadeRate);
      if (alpha >= GreetOpaque) {
        alpha = GreetOpaque;
        state = GreetHolding;
      }
      break;
    case GreetHolding:
      state = GreetFadingOut;
      phaseMs = t;
      break;
    case GreetFadingOut:
      alpha = static_cast<int32_t>(static_cast<float>(GreetOpaque) -
                                   static_cast<float>(ElapsedMs(phaseMs, t)) * fadeRate);
      if (alpha <= 0) {
        count += 1;
        done = count >= total;
        alpha = 0;
        state = GreetWaiting;
      }
      break;
    default:
      break;
  }
}

void Greets::Begin(int32_t t) {
  alpha = 0;
  const int32_t n = count;
  cellX = (n / (total / GreetColumns)) * cellWidth;
  cellY = (n % cellHeight) * cellHeight;
  direction = RandomDirection();
  startPosition.x = RandomStart(ScreenWidth, cellWidth);
  state = GreetFadingIn;
  startPosition.y = RandomStart(ScreenHeight, cellHeight);
  appearMs = t;
  phaseMs = t;
}

void Greets::Drift(int32_t t) {
  const float distance = static_cast<float>(ElapsedMs(appearMs, t)) * speed;
  position.x = distance * direction.x + startPosition.x;
  position.y = direction.y * distance + startPosition.y;
}

GreetSprite Greets::Sprite(int32_t t) const {
  const float secondsShown = static_cast<float>(ElapsedMs(appearMs, t)) / 1000.0f;
  const auto scale = static_cast<uint16_t>(static_cast<int32_t>(secondsShown + 1.0f));
  const auto cellWidthOnScreen = static_cast<uint16_t>(static_cast<float>(cellWidth) * SpriteScale);
  const auto cellHeightOnScreen = static_cast<uint16_t>(static_cast<float>(cellHeight) * SpriteScale);
  GreetSprite sprite{};
  sprite.source = TextureRect{cellX, cellY, cellWidth, cellHeight};
  sprite.x = static_cast<int16_t>(static_cast<int32_t>(position.x));
  sprite.y = static_cast<int16_t>(static_cast<int32_t>(position.y));
  sprite.width = static_cast<uint16_t>(cellWidthOnScreen * scale);
  sprite.height = static_cast<uint16_t>(cellHeightOnScreen * scale);
  sprite.alpha = static_cast<uint8_t>(alpha & 0xff);
  return sprite;
}

void Greets::Render() {
  if (done) {
    return;
  }
  const GreetSprite sprite = Sprite(demoClock.timeMs);
  gEngine->DrawSprite(texture, sprite.source, sprite.x, sprite.y, 0.0f, sprite.width, sprite.height,
                      sprite.alpha);
}
