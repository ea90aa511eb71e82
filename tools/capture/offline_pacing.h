// When each display frame of an offline show happens, and how much music a sound device has taken by then.
#pragma once

#include <cstdint>

#include "demo/audio.h"

namespace show_capture {

constexpr int DisplayRateHz = 60;
// The device format the program asks for: 16-bit stereo in buffers of the callback's size.
constexpr int64_t MixRateHz = AudioFrequencyHz;
constexpr int64_t MixBufferFrames = AudioBufferFrames;
constexpr int64_t MixBytesPerFrame = AudioChannels * static_cast<int64_t>(sizeof(int16_t));
constexpr int64_t MixBufferBytes = MixBufferFrames * MixBytesPerFrame;

// Display time of a frame since playback started, in whole milliseconds.
int64_t FramePlaybackMs(int64_t frame);

// The demo clock of a frame: the clock's start plus the frame's display time.
int32_t FrameClockMs(int64_t frame, int32_t clockStartMs);

// Buffers a device has taken by a playback time. It asks for the next buffer as soon as the one it
// holds starts playing, so the first is taken at once and the music mixed always reaches past the
// display time, by at most one buffer.
int64_t BuffersTakenBy(int64_t playbackMs);

}  // namespace show_capture
