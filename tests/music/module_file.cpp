// Reads the module the way a tracker's loader would, without the composer's code.
#include "module_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace music_test {
namespace {

constexpr size_t HeaderBytes = 1084;
constexpr size_t FirstSampleHeader = 20;
constexpr size_t SampleHeaderBytes = 30;
constexpr size_t PatternBytes = RowsPerPattern * Channels * 4;

int Word(const std::vector<uint8_t>& bytes, size_t at) { return bytes[at] << 8 | bytes[at + 1]; }

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<uint8_t> StagedSoundtrack() { return ReadFileBytes(BRISA_STAGE_DIR "/Assets/sorvane.mod"); }

ModLayout ReadModLayout(const std::vector<uint8_t>& bytes) {
  ModLayout layout;
  if (bytes.size() < HeaderBytes) return layout;
  for (int slot = 0; slot < 31; ++slot)
    layout.sampleBytes += size_t(Word(bytes, FirstSampleHeader + slot * SampleHeaderBytes + 22)) * 2;
  layout.songLength = bytes[950];
  std::copy(bytes.begin() + 952, bytes.begin() + 1080, layout.orderTable);
  layout.tag.assign(bytes.begin() + 1080, bytes.begin() + 1084);
  layout.patternCount = *std::max_element(layout.orderTable, layout.orderTable + 128) + 1;
  if (bytes.size() < HeaderBytes + layout.patternCount * PatternBytes) return layout;
  for (size_t at = HeaderBytes; at < HeaderBytes + layout.patternCount * PatternBytes; at += 4) {
    ModCell cell;
    cell.period = (bytes[at] & 0x0F) << 8 | bytes[at + 1];
    cell.instrument = (bytes[at] & 0xF0) | bytes[at + 2] >> 4;
    cell.effect = bytes[at + 2] & 0x0F;
    cell.param = bytes[at + 3];
    layout.cells.push_back(cell);
  }
  layout.valid = true;
  return layout;
}

}  // namespace music_test
