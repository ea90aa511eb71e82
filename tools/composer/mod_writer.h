// Lays a song and its sample data out as a 4-channel ProTracker "M.K." module.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/composer/song.h"

namespace composer {

// sampleData[slot - 1] holds the bytes of each of the 31 slots (empty for an unused slot).
std::vector<uint8_t> WriteModule(const Song& song, const std::vector<std::vector<int8_t>>& sampleData);

}  // namespace composer
