// The soundtrack's RIFF WAVE header and file.
#include "tools/capture/wav_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/work_dir.h"

namespace show_capture {
namespace {

uint32_t LittleEndianAt(const std::vector<uint8_t>& bytes, size_t offset, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[offset + static_cast<size_t>(i)];
  return value;
}

std::string TextAt(const std::vector<uint8_t>& bytes, size_t offset) {
  return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                     bytes.begin() + static_cast<std::ptrdiff_t>(offset + 4));
}

TEST(WavFile, HeaderDescribesSixteenBitStereoAt44100Hz) {
  const std::vector<uint8_t> header = WavHeader(1000);
  ASSERT_EQ(header.size(), WavHeaderBytes);
  struct Field {
    size_t offset;
    int size;
    uint32_t value;
    const char* name;
  };
  const Field fields[] = {{4, 4, 1036, "RIFF size"}, {16, 4, 16, "fmt size"},       {20, 2, 1, "PCM"},
                          {22, 2, 2, "channels"},    {24, 4, 44100, "sample rate"}, {28, 4, 176400, "byte rate"},
                          {32, 2, 4, "block align"}, {34, 2, 16, "bits"},           {40, 4, 1000, "data size"}};
  for (const Field& field : fields)
    EXPECT_EQ(LittleEndianAt(header, field.offset, field.size), field.value) << field.name;
  EXPECT_EQ(TextAt(header, 0), "RIFF");
  EXPECT_EQ(TextAt(header, 8), "WAVE");
  EXPECT_EQ(TextAt(header, 12), "fmt ");
  EXPECT_EQ(TextAt(header, 36), "data");
}

TEST(WavFile, HoldsTheHeaderThenTheBytesAsGiven) {
  brisa_test::ScopedWorkDir dir;
  const std::vector<uint8_t> pcm = {1, 2, 3, 4, 250, 251, 252, 253};
  ASSERT_TRUE(WriteWav("song.wav", pcm));
  std::ifstream file("song.wav", std::ios::binary);
  const std::vector<uint8_t> written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<uint8_t> expected = WavHeader(static_cast<uint32_t>(pcm.size()));
  expected.insert(expected.end(), pcm.begin(), pcm.end());
  EXPECT_EQ(written, expected);
}

TEST(WavFile, ReportsAFileItCannotWrite) {
  brisa_test::ScopedWorkDir dir;
  EXPECT_FALSE(WriteWav("no-such-folder/song.wav", {0, 0, 0, 0}));
}

}  // namespace
}  // namespace show_capture
