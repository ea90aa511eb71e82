// Small four-channel "M.K." modules written byte by byte, for tests that need a song to play.
#pragma once

#include <cstdint>
#include <string>

namespace brisa_test {

// The instrument that channel 2 plays on the beat rows, and the note period of every cell.
constexpr uint8_t FixtureMelodySample = 1;
constexpr uint8_t FixtureBeatSample = 10;
constexpr uint16_t FixtureMelodyPeriod = 428;  // C in ProTracker's middle octave
constexpr uint16_t FixtureBeatPeriod = 214;

struct ModFixture {
  // Orders in the song, each playing pattern 0.
  int orders = 1;
  // Rows played per pattern: a pattern break on the last one when fewer than 64.
  int rowsPerPattern = 8;
  // Channel 2 plays the beat sample on rows that are multiples of this.
  int beatEveryRows = 2;
};

// A module libmodplug loads: sample 1 on channel 0 on every row, sample 10 on channel 2 on the
// beat rows; speed 6 at 125 BPM, so one row lasts 120 ms.
std::string MakeTestModule(const ModFixture& fixture = {});

}  // namespace brisa_test
