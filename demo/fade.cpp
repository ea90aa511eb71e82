// The colour fade's ramp: start, reset, and the alpha at the current demo time.
#include "demo/fade.h"

#include "demo/beat_pulse.h"
#include "demo/music_state.h"

namespace {

constexpr int32_t OpaqueAlpha = 255;

uint32_t PackArgb(int32_t alpha, uint32_t rgb) {
  return (static_cast<uint32_t>(alpha) << 24) | rgb;
}

// Progress 0 to 255 of a ramp; a ramp of no length is complete at once, and a time before its
// start counts as its start.
uint32_t RampProgress(int32_t elapsedMs, int32_t durationMs) {
  if (durationMs <= 0) {
    return OpaqueAlpha;
  }
  if (elapsedMs <= 0) {
    return 0;
  }
  const float ratio = static_cast<float>(elapsedMs) / static_cast<float>(durationMs);
  if (ratio >= 1.0f) {
    return OpaqueAlpha;
  }
  return static_cast<uint32_t>(ratio * 255.0f);
}

}  // namespace

void Fade::Reset() {
  started = false;
  finished = false;
}

void Fade::Start(uint32_t rgbColor, bool rampIn, int32_t durationMs) {
  if (started) {
    return;
  }
  const int32_t t = demoClock.timeMs;
  fadeIn = rampIn;
  rgb = rgbColor;
  alpha = fadeIn ? 0 : OpaqueAlpha;
  startMs = t;
  endMs = static_cast<int32_t>(static_cast<uint32_t>(t) + static_cast<uint32_t>(durationMs));
  argb = PackArgb(alpha, rgb);
  started = true;
}

void Fade::Advance() {
  if (finished) {
    return;
  }
  const uint32_t progress = RampProgress(ElapsedMs(startMs, demoClock.timeMs), ElapsedMs(startMs, endMs));
  if (fadeIn) {
    alpha = static_cast<int32_t>(progress);
    if (progress >= OpaqueAlpha) {
      alpha = OpaqueAlpha;
      finished = true;
    }
  } else {
    alpha = OpaqueAlpha - static_cast<int32_t>(progress);
    if (alpha <= 0) {
      alpha = 0;
      finished = true;
    }
  }
  argb = PackArgb(alpha, rgb);
}
