// The MOD writer: header, 31 sample slots, order table, one pattern and the sample data.
#include "support/mod_fixture.h"

#include <algorithm>

namespace brisa_test {

namespace {

constexpr int SampleSlots = 31;
constexpr int ChannelCount = 4;
constexpr int PatternRows = 64;
constexpr int OrderTableSize = 128;
constexpr int SampleBytes = 64;
constexpr uint8_t PatternBreak = 0x0D;
constexpr uint8_t FullVolume = 64;

struct Cell {
  uint8_t sample = 0;
  uint16_t period = 0;
  uint8_t effect = 0;
  uint8_t param = 0;
};

void PutBigEndian16(std::string& out, uint16_t value) {
  out.push_back(static_cast<char>(value >> 8));
  out.push_back(static_cast<char>(value & 0xFF));
}

void PutPadded(std::string& out, const std::string& text, size_t size) {
  std::string field = text.substr(0, size);
  field.resize(size, '\0');
  out += field;
}

// A looped square wave; the two samples differ in pitch by their cycle length.
void PutSampleHeader(std::string& out, int slot) {
  const bool used = slot == FixtureMelodySample || slot == FixtureBeatSample;
  PutPadded(out, used ? "fixture " + std::to_string(slot) : "", 22);
  const uint16_t words = used ? SampleBytes / 2 : 0;
  PutBigEndian16(out, words);
  out.push_back(0);
  out.push_back(static_cast<char>(used ? FullVolume : 0));
  PutBigEndian16(out, 0);
  PutBigEndian16(out, used ? words : 1);
}

void PutCell(std::string& out, const Cell& cell) {
  out.push_back(static_cast<char>((cell.sample & 0xF0) | ((cell.period >> 8) & 0x0F)));
  out.push_back(static_cast<char>(cell.period & 0xFF));
  out.push_back(static_cast<char>(((cell.sample & 0x0F) << 4) | (cell.effect & 0x0F)));
  out.push_back(static_cast<char>(cell.param));
}

void PutPattern(std::string& out, const ModFixture& fixture) {
  const int played = std::clamp(fixture.rowsPerPattern, 1, PatternRows);
  for (int row = 0; row < PatternRows; ++row) {
    Cell cells[ChannelCount];
    if (row < played) cells[0] = {FixtureMelodySample, FixtureMelodyPeriod, 0, 0};
    if (row < played && fixture.beatEveryRows > 0 && row % fixture.beatEveryRows == 0)
      cells[2] = {FixtureBeatSample, FixtureBeatPeriod, 0, 0};
    if (row == played - 1 && played < PatternRows) cells[3] = {0, 0, PatternBreak, 0};
    for (const Cell& cell : cells) PutCell(out, cell);
  }
}

void PutSampleData(std::string& out, int cycleBytes) {
  for (int i = 0; i < SampleBytes; ++i) out.push_back(static_cast<char>((i / (cycleBytes / 2)) % 2 ? -64 : 64));
}

}  // namespace

std::string MakeTestModule(const ModFixture& fixture) {
  std::string out;
  PutPadded(out, "brisa fixture", 20);
  for (int slot = 1; slot <= SampleSlots; ++slot) PutSampleHeader(out, slot);
  const int orders = std::clamp(fixture.orders, 1, OrderTableSize);
  out.push_back(static_cast<char>(orders));
  out.push_back(static_cast<char>(127));
  out.append(OrderTableSize, '\0');
  out += "M.K.";
  PutPattern(out, fixture);
  // Sample data in slot order: the melody's first, the beat's after it.
  PutSampleData(out, 16);
  PutSampleData(out, 8);
  return out;
}

}  // namespace brisa_test
