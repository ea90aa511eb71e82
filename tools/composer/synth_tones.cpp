// Pitched synthesizers: detuned analogue-style voices (bass, lead, arpeggio, chords) and a two-operator
// FM bell.
#include <cmath>
#include <vector>

#include "tools/composer/dsp.h"
#include "tools/composer/synth_kinds.h"

namespace composer {
namespace {

constexpr double CyclesPerSampleAtTuning = 1.0 / 64.0;  // C at the tuned note

Envelope ReadEnvelope(SampleParams& params, double defaultLengthSec) {
  Envelope envelope;
  envelope.attackSec = params.Number("attack", 0.002, 0.0, 4.0);
  envelope.decaySec = params.Number("decay", 0.3, 0.005, 20.0);
  envelope.sustain = params.Number("sustain", 0.0, 0.0, 1.0);
  envelope.releaseSec = params.Number("release", 0.02, 0.001, 4.0);
  envelope.lengthSec = params.Number("length", defaultLengthSec, 0.01, 8.0);
  return envelope;
}

double BaseStep(SampleParams& params) {
  return CyclesPerSampleAtTuning * std::pow(2.0, params.Number("octave", 0, -2, 2));
}

// Semitone offsets of the notes each sample plays at once.
std::vector<int> ChordIntervals(SampleParams& params) {
  const std::string chord = params.Word("chord", {"none", "minor", "major", "fifth"});
  const bool open = params.Word("voicing", {"close", "open"}) == "open";
  if (chord == "minor") return open ? std::vector<int>{0, 7, 12, 15} : std::vector<int>{0, 3, 7, 12};
  if (chord == "major") return open ? std::vector<int>{0, 7, 12, 16} : std::vector<int>{0, 4, 7, 12};
  if (chord == "fifth") return {0, 7, 12};
  return {0};
}

Wave ReadWave(SampleParams& params) {
  const std::string wave = params.Word("wave", {"saw", "square", "pulse", "triangle", "sine"});
  if (wave == "square") return Wave::Square;
  if (wave == "pulse") return Wave::Pulse;
  if (wave == "triangle") return Wave::Triangle;
  if (wave == "sine") return Wave::Sine;
  return Wave::Saw;
}

struct Voice {
  Oscillator oscillator;
  double step;
};

std::vector<Voice> MakeVoices(SampleParams& params, double baseStep) {
  const Wave wave = ReadWave(params);
  const double width = params.Number("width", 0.25, 0.05, 0.5);
  const int count = int(params.Number("voices", 1, 1, 5));
  const double detuneCents = params.Number("detune", 0.0, 0.0, 100.0);
  std::vector<Voice> voices;
  for (int interval : ChordIntervals(params)) {
    for (int v = 0; v < count; ++v) {
      const double spread = count > 1 ? 2.0 * v / (count - 1) - 1.0 : 0.0;
      const double cents = interval * 100.0 + spread * detuneCents;
      const double startPhase = std::fmod(0.37 * (v + 1) + 0.11 * interval, 1.0);
      voices.push_back({Oscillator(wave, width, startPhase), baseStep * std::pow(2.0, cents / 1200.0)});
    }
  }
  return voices;
}

}  // namespace

std::vector<double> RenderTone(SampleParams& params, double rateHz, uint32_t) {
  const Envelope envelope = ReadEnvelope(params, 1.0);
  const double baseStep = BaseStep(params);
  std::vector<Voice> voices = MakeVoices(params, baseStep);
  const double subLevel = params.Number("sub", 0.0, 0.0, 2.0);
  const double cutoffHz = params.Number("cutoff", 12000.0, 50.0, 20000.0);
  const double cutoffEndHz = params.Number("cutoff_end", cutoffHz, 50.0, 20000.0);
  const double cutoffDecay = params.Number("cutoff_decay", 0.2, 0.005, 20.0);
  const double vibratoCents = params.Number("vibrato", 0.0, 0.0, 100.0);
  const double vibratoHz = params.Number("vibrato_rate", 5.0, 0.1, 20.0);
  const double vibratoDelay = params.Number("vibrato_delay", 0.2, 0.0, 4.0);
  const double drive = params.Number("drive", 0.0, 0.0, 10.0);
  Biquad lowPass(Biquad::Type::LowPass, params.Number("resonance", 0.8, 0.5, 8.0));
  Oscillator sub(Wave::Sine, 0.5, 0.0);
  std::vector<double> signal(size_t(envelope.lengthSec * rateHz));
  for (size_t i = 0; i < signal.size(); ++i) {
    const double t = i / rateHz;
    const double wobble = t > vibratoDelay ? std::sin(2.0 * Pi * vibratoHz * (t - vibratoDelay)) : 0.0;
    const double bend = std::pow(2.0, vibratoCents * wobble / 1200.0);
    double mix = 0.0;
    for (Voice& voice : voices) mix += voice.oscillator.Next(voice.step * bend);
    mix = mix / double(voices.size()) + sub.Next(baseStep * 0.5 * bend) * subLevel;
    if (i % 16 == 0)
      lowPass.Tune(cutoffEndHz + (cutoffHz - cutoffEndHz) * std::exp(-t / cutoffDecay), rateHz);
    double out = lowPass.Process(mix);
    if (drive > 0.0) out = std::tanh(drive * out) / std::tanh(drive);
    signal[i] = out * envelope.At(t);
  }
  return signal;
}

// A sine carrier whose brightness fades as the modulation index decays.
std::vector<double> RenderFm(SampleParams& params, double rateHz, uint32_t) {
  const Envelope envelope = ReadEnvelope(params, 1.5);
  const double step = BaseStep(params);
  const double ratio = params.Number("ratio", 2.0, 0.25, 16.0);
  const double index = params.Number("index", 3.0, 0.0, 20.0);
  const double indexDecay = params.Number("index_decay", 0.3, 0.005, 20.0);
  std::vector<double> signal(size_t(envelope.lengthSec * rateHz));
  double carrier = 0.0;
  double modulator = 0.0;
  for (size_t i = 0; i < signal.size(); ++i) {
    const double t = i / rateHz;
    const double depth = index * std::exp(-t / indexDecay);
    signal[i] = std::sin(2.0 * Pi * carrier + depth * std::sin(2.0 * Pi * modulator)) * envelope.At(t);
    carrier += step;
    modulator += step * ratio;
  }
  return signal;
}

}  // namespace composer
