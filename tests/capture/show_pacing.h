// When each display frame of an offline show happens, and how much music a sound device has taken by then.
#pragma once

#include <cstdint>

namespace show_capture {

constexpr int DisplayRateHz = 60;
// The program starts its clock after a one-second wait, so no frame sees a clock below this.
constexpr int32_t ClockStartMs = 1000;
constexpr int64_t MixRateHz = 44100;
constexpr int64_t MixBufferFrames = 4096;
constexpr int64_t MixBytesPerFrame = 4;  // 16-bit stereo
constexpr int64_t MixBufferBytes = MixBufferFrames * MixBytesPerFrame;

// Display time of a frame since playback started, in whole milliseconds.
int64_t FramePlaybackMs(int64_t frame);

// The demo clock of a frame: the clock's start plus the frame's display time.
int32_t FrameClockMs(int64_t frame);

// Buffers a device has taken by a playback time. It asks for the next buffer as soon as the one it
// holds starts playing, so the first is taken at once and the music mixed always reaches past the
// display time, by at most one buffer.
int64_t BuffersTakenBy(int64_t playbackMs);

}  // namespace show_capture
