// The soundtrack as a RIFF WAVE file: 44100 Hz, 16-bit, stereo PCM.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace show_capture {

constexpr size_t WavHeaderBytes = 44;

// The canonical 44-byte header for `dataBytes` bytes of the soundtrack's PCM.
std::vector<uint8_t> WavHeader(uint32_t dataBytes);

// Header then the bytes as they are; false when the file cannot be written or the data does not
// fit a RIFF size field.
bool WriteWav(const std::string& path, const std::vector<uint8_t>& pcm);

}  // namespace show_capture
