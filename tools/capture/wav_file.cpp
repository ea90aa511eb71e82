// RIFF WAVE header and file writing for the mixed soundtrack.
#include "tools/capture/wav_file.h"

#include <fstream>
#include <limits>

#include "tools/capture/offline_pacing.h"

namespace show_capture {

namespace {

constexpr uint16_t PcmFormat = 1;
constexpr uint16_t Channels = 2;
constexpr uint16_t BitsPerSample = 16;
constexpr uint32_t FormatChunkBytes = 16;

void PutTag(std::vector<uint8_t>& out, const char (&tag)[5]) {
  out.insert(out.end(), tag, tag + 4);
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> WavHeader(uint32_t dataBytes) {
  const uint32_t blockAlign = Channels * BitsPerSample / 8;
  std::vector<uint8_t> header;
  PutTag(header, "RIFF");
  PutLittleEndian(header, static_cast<uint32_t>(WavHeaderBytes - 8) + dataBytes, 4);
  PutTag(header, "WAVE");
  PutTag(header, "fmt ");
  PutLittleEndian(header, FormatChunkBytes, 4);
  PutLittleEndian(header, PcmFormat, 2);
  PutLittleEndian(header, Channels, 2);
  PutLittleEndian(header, static_cast<uint32_t>(MixRateHz), 4);
  PutLittleEndian(header, static_cast<uint32_t>(MixRateHz) * blockAlign, 4);
  PutLittleEndian(header, blockAlign, 2);
  PutLittleEndian(header, BitsPerSample, 2);
  PutTag(header, "data");
  PutLittleEndian(header, dataBytes, 4);
  return header;
}

bool WriteWav(const std::string& path, const std::vector<uint8_t>& pcm) {
  if (pcm.size() > std::numeric_limits<uint32_t>::max() - WavHeaderBytes) return false;
  const std::vector<uint8_t> header = WavHeader(static_cast<uint32_t>(pcm.size()));
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
  file.write(reinterpret_cast<const char*>(pcm.data()), static_cast<std::streamsize>(pcm.size()));
  return static_cast<bool>(file);
}

}  // namespace show_capture
