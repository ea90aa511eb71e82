// Picking and keeping the frames around the screen grab and the fall of its tiles.
#include "shatter_probe.h"

#include "demo/scene.h"
#include "demo/song_positions.h"
#include "demo/tile_shatter.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "tools/capture/framebuffer_readback.h"

namespace show_capture {

std::vector<glm::vec3> TilePositions() {
  if (!tiles) return {};
  return std::vector<glm::vec3>(std::begin(tiles->positions), std::end(tiles->positions));
}

bool ShatterProbe::IsGrab(const ShowFrame& frame) const {
  return frame.timelineState == SceneShatter && !grab;
}

bool ShatterProbe::IsFalling(const ShowFrame& frame) const {
  return frame.timelineState == SceneShatter && grab && !falling &&
         frame.playbackMs >= grab->frame.playbackMs + FallingAfterMs;
}

bool ShatterProbe::IsLastShatter(const ShowFrame& frame) const {
  return frame.timelineState == SceneShatter && !frame.lastFrame && frame.nextMusic.order == GreetingsOrder;
}

bool ShatterProbe::Wants(const ShowFrame& frame) {
  return frame.lastCreditsFrame || IsGrab(frame) || IsFalling(frame) || IsLastShatter(frame);
}

void ShatterProbe::Observe(const ShowFrame& frame, bool rendered) {
  if (!rendered) return;
  if (frame.lastCreditsFrame) lastCredits = TakeShot(frame);
  if (IsGrab(frame)) {
    grab = TakeShot(frame);
    screenshotRows = ReadRenderTextureRows(gEngine->screenshotTexture);
    laidOut = TilePositions();
  }
  if (IsFalling(frame)) falling = TakeShot(frame);
  if (IsLastShatter(frame)) {
    lastShatter = TakeShot(frame);
    positionsAtEnd = TilePositions();
  }
}

}  // namespace show_capture
