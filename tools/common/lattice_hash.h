// Two hashes of a lattice point and a seed to 0..1, for noise and for scattering things at random.
#pragma once

#include <cstdint>

namespace tools {

// They differ in mixing and in resolution; each picture keeps the hash it was made with.
// The coordinates' weighted sum, one xorshift-multiply round: steps of 1 / 0xFFFFFF.
float SumMixHash(uint32_t x, uint32_t y, uint32_t seed);
// The coordinates' weighted xor, three xorshift-multiply rounds: steps of 1 / 0xFFFF.
float XorMixHash(uint32_t x, uint32_t y, uint32_t seed);

}  // namespace tools
