// The ProTracker layout: title, 31 sample headers, order table, "M.K.", patterns, sample bytes.
#include "tools/composer/mod_writer.h"

#include <algorithm>
#include <string>

#include "tools/composer/note_names.h"

namespace composer {
namespace {

constexpr size_t TitleBytes = 20;
constexpr size_t SampleNameBytes = 22;
constexpr uint8_t NoRestart = 0x7F;  // what ProTracker itself writes there

void PutText(std::vector<uint8_t>& out, const std::string& text, size_t width) {
  for (size_t i = 0; i < width; ++i) out.push_back(i < text.size() ? uint8_t(text[i]) : 0);
}

void PutWord(std::vector<uint8_t>& out, unsigned value) {
  out.push_back(uint8_t(value >> 8));
  out.push_back(uint8_t(value & 0xFF));
}

const SampleSpec* SpecForSlot(const Song& song, int slot) {
  for (const SampleSpec& spec : song.samples)
    if (spec.slot == slot) return &spec;
  return nullptr;
}

// Every sample plays once and stops: loop start 0, loop length one word.
void PutSampleHeader(std::vector<uint8_t>& out, const SampleSpec* spec, size_t byteCount) {
  PutText(out, spec ? spec->name : "", SampleNameBytes);
  PutWord(out, unsigned(byteCount / 2));
  out.push_back(0);  // finetune
  out.push_back(uint8_t(spec ? spec->volume : 0));
  PutWord(out, 0);
  PutWord(out, 1);
}

void PutCell(std::vector<uint8_t>& out, const Cell& cell) {
  const unsigned period = unsigned(NotePeriod(cell.note));
  out.push_back(uint8_t((cell.instrument & 0xF0) | (period >> 8)));
  out.push_back(uint8_t(period & 0xFF));
  out.push_back(uint8_t(((cell.instrument & 0x0F) << 4) | (cell.effect & 0x0F)));
  out.push_back(cell.param);
}

}  // namespace

std::vector<uint8_t> WriteModule(const Song& song, const std::vector<std::vector<int8_t>>& sampleData) {
  std::vector<uint8_t> out;
  PutText(out, song.title, TitleBytes);
  for (int slot = 1; slot <= SampleSlotCount; ++slot)
    PutSampleHeader(out, SpecForSlot(song, slot), sampleData[slot - 1].size());
  out.push_back(uint8_t(song.order.size()));
  out.push_back(NoRestart);
  for (int i = 0; i < OrderTableSize; ++i)
    out.push_back(i < int(song.order.size()) ? uint8_t(song.order[i]) : 0);
  PutText(out, "M.K.", 4);
  for (const Pattern& pattern : song.patterns)
    for (const auto& row : pattern.rows)
      for (const Cell& cell : row) PutCell(out, cell);
  for (const std::vector<int8_t>& data : sampleData)
    for (int8_t value : data) out.push_back(uint8_t(value));
  return out;
}

}  // namespace composer
