// Sample synthesis: pick the kind's renderer, then scale and quantize to signed 8 bits.
#include "tools/composer/synth.h"

#include <cmath>
#include <functional>
#include <map>

#include "tools/composer/note_names.h"
#include "tools/composer/score_parser.h"
#include "tools/composer/synth_kinds.h"

namespace composer {
namespace {

using Renderer = std::function<std::vector<double>(SampleParams&, double, uint32_t)>;

const std::map<std::string, Renderer>& Renderers() {
  static const std::map<std::string, Renderer> renderers = {
      {"kick", RenderKick},     {"snare", RenderSnare}, {"clap", RenderClap},
      {"cymbal", RenderCymbal}, {"tone", RenderTone},   {"fm", RenderFm}};
  return renderers;
}

std::vector<int8_t> Quantize(const std::vector<double>& signal, double level) {
  double peak = 0.0;
  for (double x : signal) peak = std::fmax(peak, std::fabs(x));
  const double gain = peak > 0.0 ? level * 127.0 / peak : 0.0;
  std::vector<int8_t> bytes(2, 0);
  for (double x : signal)
    bytes.push_back(int8_t(std::lround(std::fmax(-128.0, std::fmin(127.0, x * gain)))));
  if (bytes.size() % 2) bytes.push_back(0);
  return bytes;
}

}  // namespace

std::vector<int8_t> SynthesizeSample(const SampleSpec& spec) {
  const auto found = Renderers().find(spec.kind);
  if (found == Renderers().end())
    throw ScoreError(spec.line, "sample '" + spec.name + "': no kind '" + spec.kind +
                                    "' (kick, snare, clap, cymbal, tone, fm)");
  SampleParams params(spec);
  const double rateHz = NotePlaybackRateHz(params.Note("tuned", ParseNoteName("C-3")));
  const double level = params.Number("level", 1.0, 0.0, 1.0);
  const std::vector<double> signal =
      found->second(params, rateHz, 0x1234567u + uint32_t(spec.slot) * 7919u);
  params.CheckAllUsed();
  std::vector<int8_t> bytes = Quantize(signal, level);
  if (bytes.size() > MaxSampleBytes)
    throw ScoreError(spec.line, "sample '" + spec.name + "' is " + std::to_string(bytes.size()) +
                                    " bytes, more than a module holds (131070)");
  return bytes;
}

}  // namespace composer
