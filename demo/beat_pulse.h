// GL-free timing helpers of the timeline: the beat pulse and the lazily started segment timer.
#pragma once

#include <cstdint>

// The instrument on channel 2 that marks a beat.
constexpr uint8_t BeatInstrument = 10;
constexpr float BeatPulsePeak = 1.0f;
constexpr float BeatPulseFloor = 0.6f;
constexpr float BeatPulseDecayPerFrame = 0.05f;
constexpr int32_t BeatLatched = 10;

// One frame of the pulse: a beat raises it to the peak unless latched; otherwise it decays and
// releases the latch when it reaches the floor.
void StepBeatPulse(float& pulse, int32_t& latch, uint8_t channel2Instrument);

// t - sinceMs on the 32-bit demo clock, defined across its wrap-around.
inline int32_t ElapsedMs(int32_t sinceMs, int32_t t) {
  return static_cast<int32_t>(static_cast<uint32_t>(t) - static_cast<uint32_t>(sinceMs));
}

// Milliseconds since the segment began, starting it at t when it is unset (0).
int32_t TakeSegmentTime(int32_t& startMs, int32_t t);
