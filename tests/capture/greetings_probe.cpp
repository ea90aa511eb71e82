// Picking the frames of the greetings and the parrot, and matching each greeting with its cell.
#include "greetings_probe.h"

#include "demo/greets.h"
#include "demo/scene.h"
#include "demo/song_positions.h"
#include "demo/timeline.h"

namespace show_capture {

namespace {

constexpr int GreetingsPerColumn = 19;
constexpr int GreetingCellWidth = 512;
constexpr int GreetingCellHeight = 64;
constexpr int32_t FullOpacity = 255;

bool GreetingsOn(const ShowFrame& frame) {
  return frame.timelineState == SceneGreetings || frame.timelineState == ScenePapagayo;
}

}  // namespace

ArtRect GreetingCell(int32_t number) {
  return {number / GreetingsPerColumn * GreetingCellWidth, number % GreetingsPerColumn * GreetingCellHeight,
          GreetingCellWidth, GreetingCellHeight};
}

bool GreetingsProbe::Wants(const ShowFrame& frame) {
  if (!GreetingsOn(frame) || !greets || greets->done || greets->alpha != FullOpacity) return false;
  return greetings.empty() || greetings.back().number != greets->count;
}

void GreetingsProbe::Observe(const ShowFrame& frame, bool rendered) {
  if (!rendered || !Wants(frame)) return;
  const GreetSprite sprite = greets->Sprite(frame.clockMs);
  const Region drawn{sprite.x, sprite.y, sprite.width, sprite.height};
  const Shot shot = TakeShot(frame);
  greetings.push_back(GreetingSeen{greets->count, greets->cellX, greets->cellY, frame.music.order,
                                   MatchSprite(shot.picture, atlas_, GreetingCell(greets->count), drawn),
                                   CurrentFade()});
}

bool ParrotProbe::IsSliding(const ShowFrame& frame) const {
  return frame.timelineState == ScenePapagayo && papagayoX >= SlidingX && !sliding;
}

bool ParrotProbe::IsResting(const ShowFrame& frame) const {
  return frame.timelineState == ScenePapagayo && papagayoX == 0.0f && !resting;
}

bool ParrotProbe::IsLast(const ShowFrame& frame) const {
  return frame.timelineState == ScenePapagayo && !frame.lastFrame && frame.nextMusic.order == FinaleOrder;
}

bool ParrotProbe::Wants(const ShowFrame& frame) {
  return IsSliding(frame) || IsResting(frame) || IsLast(frame);
}

void ParrotProbe::Observe(const ShowFrame& frame, bool rendered) {
  if (frame.timelineState == ScenePapagayo) designX.push_back(papagayoX);
  if (!rendered) return;
  if (IsSliding(frame)) {
    sliding = TakeShot(frame);
    xWhenSliding = papagayoX;
  }
  if (IsResting(frame)) resting = TakeShot(frame);
  if (IsLast(frame)) lastParrot = TakeShot(frame);
}

}  // namespace show_capture
