// The beat pulse and the segment timer.
#include "demo/beat_pulse.h"

void StepBeatPulse(float& pulse, int32_t& latch, uint8_t channel2Instrument) {
  if (channel2Instrument == BeatInstrument && latch == 0) {
    pulse = BeatPulsePeak;
    latch = BeatLatched;
    return;
  }
  pulse -= BeatPulseDecayPerFrame;
  if (pulse < BeatPulseFloor) {
    pulse = BeatPulseFloor;
    latch = 0;
  }
}

int32_t TakeSegmentTime(int32_t& startMs, int32_t t) {
  if (startMs == 0) {
    startMs = t;
  }
  return ElapsedMs(startMs, t);
}
