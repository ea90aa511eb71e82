// The synthesizers behind each sample kind; each renders floating-point audio at the given rate.
#pragma once

#include <vector>

#include "tools/composer/sample_params.h"

namespace composer {

std::vector<double> RenderKick(SampleParams& params, double rateHz, uint32_t seed);
std::vector<double> RenderSnare(SampleParams& params, double rateHz, uint32_t seed);
std::vector<double> RenderClap(SampleParams& params, double rateHz, uint32_t seed);
std::vector<double> RenderCymbal(SampleParams& params, double rateHz, uint32_t seed);
// Tones sound C at the note the sample is tuned to, shifted by their octave parameter.
std::vector<double> RenderTone(SampleParams& params, double rateHz, uint32_t seed);
std::vector<double> RenderFm(SampleParams& params, double rateHz, uint32_t seed);

}  // namespace composer
