// The display and sound-device pacing of an offline show, in integer arithmetic.
#include "tools/capture/offline_pacing.h"

namespace show_capture {

namespace {

constexpr int64_t MsPerSecond = 1000;

}  // namespace

int64_t FramePlaybackMs(int64_t frame) {
  return frame * MsPerSecond / DisplayRateHz;
}

int32_t FrameClockMs(int64_t frame, int32_t clockStartMs) {
  return static_cast<int32_t>(clockStartMs + FramePlaybackMs(frame));
}

int64_t BuffersTakenBy(int64_t playbackMs) {
  // Buffers that finish playing at or before playbackMs, plus the one playing then.
  return playbackMs * MixRateHz / (MixBufferFrames * MsPerSecond) + 1;
}

}  // namespace show_capture
