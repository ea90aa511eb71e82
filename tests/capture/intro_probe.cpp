// Picking and keeping the frames of the terrain sections.
#include "intro_probe.h"

#include "demo/entity3d.h"
#include "demo/scene.h"
#include "demo/timeline.h"
#include "resources/resource_manager.h"

namespace show_capture {

namespace {

bool FirstFrameOfOrder(const ShowFrame& frame, int32_t order, const std::optional<Shot>& taken) {
  return frame.music.order == order && !taken;
}

}  // namespace

bool IntroProbe::Wants(const ShowFrame& frame) {
  for (int card = 0; card < 3; ++card) {
    const SongMoment& moment = CardMoments[card];
    if (moment.JustBefore(frame) && !cards[card].before) return true;
    if (moment.HeldBy(frame.music) && !cards[card].with) return true;
  }
  return WantsObjects(frame) || FirstFrameOfOrder(frame, FlashOrder, whiteFlash) ||
         (LogoMoment.HeldBy(frame.music) && !logo);
}

bool IntroProbe::WantsObjects(const ShowFrame& frame) const {
  const int32_t order = frame.music.order;
  return order >= FirstObjectOrder && order <= LastObjectOrder && frame.music.row >= ObjectRow &&
         objectShots.count(order) == 0;
}

void IntroProbe::Observe(const ShowFrame& frame, bool rendered) {
  ObserveFlamingoCount(frame);
  if (!rendered) return;
  ObserveCards(frame);
  if (FirstFrameOfOrder(frame, FlashOrder, whiteFlash)) {
    whiteFlash = TakeShot(frame);
    fadeAtWhiteFlash = CurrentFade();
  }
  if (LogoMoment.HeldBy(frame.music) && !logo) logo = TakeShot(frame);
  // Last: the pictures without an object draw the frame again.
  if (WantsObjects(frame)) ObserveObjects(frame);
}

void IntroProbe::ObserveCards(const ShowFrame& frame) {
  for (int card = 0; card < 3; ++card) {
    const SongMoment& moment = CardMoments[card];
    if (moment.JustBefore(frame) && !cards[card].before) cards[card].before = TakeShot(frame);
    if (moment.HeldBy(frame.music) && !cards[card].with) cards[card].with = TakeShot(frame);
  }
}

void IntroProbe::ObserveObjects(const ShowFrame& frame) {
  ShotWithout shots;
  shots.shot = TakeShot(frame);
  if (flamingo) shots.withoutFlamingo = PictureWithout(*flamingo);
  if (windsurf) shots.withoutWindsurfer = PictureWithout(*windsurf);
  objectShots.emplace(frame.music.order, std::move(shots));
}

void IntroProbe::ObserveFlamingoCount(const ShowFrame& frame) {
  const bool orderEnds = frame.lastFrame || frame.nextMusic.order != frame.music.order;
  const Mesh* mesh = gResourceManager->MeshById(flamingoMeshIndex);
  if (orderEnds && mesh != nullptr) flamingoIndicesAtOrderEnd[frame.music.order] = mesh->indexCount;
}

}  // namespace show_capture
