// The staged soundtrack's bytes, and an independent reading of its ProTracker layout.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace music_test {

constexpr int RowsPerPattern = 64;
constexpr int Channels = 4;
constexpr double RowSeconds = 6 * 2.5 / 125;  // speed 6 at tempo 125
constexpr int OrderCount = 28;

std::vector<uint8_t> ReadFileBytes(const std::string& path);
std::vector<uint8_t> StagedSoundtrack();

struct ModCell {
  int period = 0;
  int instrument = 0;
  int effect = 0;
  int param = 0;
};

struct ModLayout {
  bool valid = false;
  std::string tag;
  int songLength = 0;
  uint8_t orderTable[128] = {};
  int patternCount = 0;
  size_t sampleBytes = 0;      // sum of the 31 headers' lengths
  std::vector<ModCell> cells;  // pattern, row, channel

  const ModCell& Cell(int pattern, int row, int channel) const {
    return cells[(size_t(pattern) * RowsPerPattern + row) * Channels + channel];
  }
};

ModLayout ReadModLayout(const std::vector<uint8_t>& bytes);

}  // namespace music_test
