// The staged soundtrack played once per test program: finely for timing, in demo buffers for the show.
#pragma once

#include "modplug_playback.h"
#include "module_file.h"

namespace music_test {

constexpr int FineReadFrames = 441;  // 10 ms, well under a row

const std::vector<uint8_t>& Soundtrack();
const ModLayout& SoundtrackLayout();
const Playback& FinePlayback();
const Playback& DemoPlayback();  // 4096-frame reads with the sound kept

double Seconds(int64_t frames);
// Index of the first state at that position, or -1.
int FirstStateAt(const Playback& playback, int order, int row);

}  // namespace music_test
