// Drum synthesizers: a pitch-swept sine kick, tone-and-noise snare, burst clap, noise-and-metal cymbal.
#include <algorithm>
#include <array>
#include <cmath>

#include "tools/composer/dsp.h"
#include "tools/composer/synth_kinds.h"

namespace composer {
namespace {

constexpr double EdgeFadeSec = 0.004;  // keeps the cut at the sample's end from clicking

size_t FrameCount(SampleParams& params, double rateHz, double fallbackSec) {
  return size_t(params.Number("length", fallbackSec, 0.01, 8.0) * rateHz);
}

void FadeEnd(std::vector<double>& signal, double rateHz) {
  const size_t fade = std::min(signal.size(), size_t(EdgeFadeSec * rateHz));
  for (size_t i = 0; i < fade; ++i) signal[signal.size() - 1 - i] *= double(i) / double(fade);
}

}  // namespace

std::vector<double> RenderKick(SampleParams& params, double rateHz, uint32_t seed) {
  const double startHz = params.Number("start_hz", 160.0, 20.0, 2000.0);
  const double endHz = params.Number("end_hz", 45.0, 20.0, 2000.0);
  const double sweepSec = params.Number("sweep", 0.04, 0.001, 1.0);
  const double decaySec = params.Number("decay", 0.25, 0.005, 4.0);
  const double click = params.Number("click", 0.3, 0.0, 2.0);
  const double drive = params.Number("drive", 1.5, 0.1, 10.0);
  std::vector<double> signal(FrameCount(params, rateHz, 0.3));
  Noise noise(seed);
  Biquad clickFilter(Biquad::Type::LowPass, 0.7);
  clickFilter.Tune(4000.0, rateHz);
  double phase = 0.0;
  for (size_t i = 0; i < signal.size(); ++i) {
    const double t = i / rateHz;
    phase += (endHz + (startHz - endHz) * std::exp(-t / sweepSec)) / rateHz;
    const double body = std::sin(2.0 * Pi * phase) * std::exp(-t / decaySec);
    const double snap = clickFilter.Process(noise.Next()) * click * std::exp(-t / 0.003);
    signal[i] = std::tanh(drive * (body + snap)) / std::tanh(drive);
  }
  FadeEnd(signal, rateHz);
  return signal;
}

std::vector<double> RenderSnare(SampleParams& params, double rateHz, uint32_t seed) {
  const double toneHz = params.Number("tone_hz", 190.0, 40.0, 2000.0);
  const double toneDecay = params.Number("tone_decay", 0.06, 0.005, 2.0);
  const double toneLevel = params.Number("tone_level", 0.5, 0.0, 2.0);
  const double noiseDecay = params.Number("noise_decay", 0.12, 0.005, 2.0);
  const double cutoffHz = params.Number("cutoff", 1500.0, 20.0, 20000.0);
  std::vector<double> signal(FrameCount(params, rateHz, 0.25));
  Noise noise(seed);
  Biquad highPass(Biquad::Type::HighPass, 0.7);
  highPass.Tune(cutoffHz, rateHz);
  double phase = 0.0;
  for (size_t i = 0; i < signal.size(); ++i) {
    const double t = i / rateHz;
    phase += toneHz * (1.0 + 0.5 * std::exp(-t / 0.01)) / rateHz;
    const double tone = std::sin(2.0 * Pi * phase) * std::exp(-t / toneDecay) * toneLevel;
    signal[i] = tone + highPass.Process(noise.Next()) * std::exp(-t / noiseDecay);
  }
  FadeEnd(signal, rateHz);
  return signal;
}

// Several hands a few milliseconds apart, then the room's tail.
std::vector<double> RenderClap(SampleParams& params, double rateHz, uint32_t seed) {
  const int bursts = int(params.Number("bursts", 3, 1, 8));
  const double spacingSec = params.Number("spacing", 0.011, 0.001, 0.1);
  const double decaySec = params.Number("decay", 0.12, 0.005, 2.0);
  const double centerHz = params.Number("center", 1300.0, 100.0, 8000.0);
  std::vector<double> signal(FrameCount(params, rateHz, 0.3));
  Noise noise(seed);
  Biquad bandPass(Biquad::Type::BandPass, 1.2);
  bandPass.Tune(centerHz, rateHz);
  for (size_t i = 0; i < signal.size(); ++i) {
    const double t = i / rateHz;
    double level = 0.0;
    for (int b = 0; b < bursts; ++b) {
      const double since = t - b * spacingSec;
      if (since < 0) continue;
      level = std::fmax(level, std::exp(-since / (b + 1 == bursts ? decaySec : 0.004)));
    }
    signal[i] = bandPass.Process(noise.Next()) * level;
  }
  FadeEnd(signal, rateHz);
  return signal;
}

// High-passed noise with a little of the square-wave cluster of analogue drum machines.
std::vector<double> RenderCymbal(SampleParams& params, double rateHz, uint32_t seed) {
  static constexpr std::array<double, 6> MetalHz = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
  const double cutoffHz = params.Number("cutoff", 7000.0, 500.0, 20000.0);
  const double decaySec = params.Number("decay", 0.05, 0.005, 8.0);
  const double metal = params.Number("metal", 0.3, 0.0, 1.0);
  const double metalScale = params.Number("metal_scale", 8.0, 1.0, 20.0);
  std::vector<double> signal(FrameCount(params, rateHz, 0.15));
  Noise noise(seed);
  Biquad highPass(Biquad::Type::HighPass, 0.9);
  highPass.Tune(cutoffHz, rateHz);
  std::vector<Oscillator> cluster;
  for (size_t k = 0; k < MetalHz.size(); ++k) cluster.emplace_back(Wave::Square, 0.5, 0.13 * double(k));
  for (size_t i = 0; i < signal.size(); ++i) {
    const double t = i / rateHz;
    double ring = 0.0;
    for (size_t k = 0; k < cluster.size(); ++k)
      ring += cluster[k].Next(MetalHz[k] * metalScale / rateHz);
    const double source = noise.Next() * (1.0 - metal) + ring / double(cluster.size()) * metal;
    signal[i] = highPass.Process(source) * std::exp(-t / decaySec) * std::fmin(1.0, t / 0.0008);
  }
  FadeEnd(signal, rateHz);
  return signal;
}

}  // namespace composer
