// The composed song in tracker terms: sample definitions, 64-row patterns of cells, the order list.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace composer {

constexpr int RowsPerPattern = 64;
constexpr int ChannelCount = 4;
constexpr int SampleSlotCount = 31;
constexpr int OrderTableSize = 128;
constexpr int MaxPatternCount = 64;  // what the "M.K." layout can address
constexpr int DefaultSpeedTicks = 6;
constexpr int DefaultTempoBpm = 125;

// One channel's cell of a row. note is 0 for none, else 1 (C-1) to 36 (B-3).
struct Cell {
  uint8_t note = 0;
  uint8_t instrument = 0;
  uint8_t effect = 0;
  uint8_t param = 0;
  bool HasEffect() const { return effect != 0 || param != 0; }
};

struct Pattern {
  std::string name;
  std::array<std::array<Cell, ChannelCount>, RowsPerPattern> rows{};
};

// A sample as the score describes it; the synthesizer turns it into signed 8-bit data.
struct SampleSpec {
  int slot = 0;  // 1 to 31
  std::string name;
  std::string kind;
  int volume = 64;
  std::map<std::string, std::string> params;
  int line = 0;  // where the score defines it, for messages
};

struct Song {
  std::string title;
  int speedTicks = DefaultSpeedTicks;
  int tempoBpm = DefaultTempoBpm;
  std::vector<SampleSpec> samples;
  std::vector<Pattern> patterns;  // numbered in the order the order list first uses them
  std::vector<int> order;         // pattern numbers
};

}  // namespace composer
