// Turns a sample's description into the signed 8-bit data a module carries.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/composer/song.h"

namespace composer {

constexpr size_t MaxSampleBytes = 2 * 65535;  // lengths are stored in 16-bit words

// Even length, first two bytes 0 (the tracker's idle loop), peak at the sample's level.
// Throws ScoreError for an unknown kind, a bad parameter or a sample that does not fit.
std::vector<int8_t> SynthesizeSample(const SampleSpec& spec);

}  // namespace composer
