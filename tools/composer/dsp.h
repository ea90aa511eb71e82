// Signal-processing parts the synthesizers share: noise, oscillators, a biquad filter, an envelope.
#pragma once

#include <cmath>
#include <cstdint>

namespace composer {

constexpr double Pi = 3.14159265358979323846;

// Deterministic white noise in [-1, 1): the same seed gives the same sample bytes on every build.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ / 2147483648.0 - 1.0;
  }

 private:
  uint32_t state_;
};

// Smooths the jump of a naive waveform at phase wrap, which keeps bright waves from aliasing harshly.
inline double PolyBlep(double phase, double step) {
  if (phase < step) {
    const double x = phase / step;
    return x + x - x * x - 1.0;
  }
  if (phase > 1.0 - step) {
    const double x = (phase - 1.0) / step;
    return x * x + x + x + 1.0;
  }
  return 0.0;
}

enum class Wave { Saw, Square, Pulse, Triangle, Sine };

class Oscillator {
 public:
  Oscillator(Wave wave, double pulseWidth, double startPhase)
      : wave_(wave), width_(pulseWidth), phase_(startPhase) {}

  // One output sample at a frequency given in cycles per sample.
  double Next(double step) {
    double out = 0.0;
    switch (wave_) {
      case Wave::Saw:
        out = 2.0 * phase_ - 1.0 - PolyBlep(phase_, step);
        break;
      case Wave::Square:
        out = Pulse(0.5, step);
        break;
      case Wave::Pulse:
        out = Pulse(width_, step);
        break;
      case Wave::Triangle:
        out = phase_ < 0.5 ? 4.0 * phase_ - 1.0 : 3.0 - 4.0 * phase_;
        break;
      case Wave::Sine:
        out = std::sin(2.0 * Pi * phase_);
        break;
    }
    phase_ += step;
    phase_ -= std::floor(phase_);
    return out;
  }

 private:
  double Pulse(double width, double step) {
    const double shifted = std::fmod(phase_ + 1.0 - width, 1.0);
    return (phase_ < width ? 1.0 : -1.0) + PolyBlep(phase_, step) - PolyBlep(shifted, step);
  }

  Wave wave_;
  double width_;
  double phase_;
};

// RBJ biquad; the cutoff may move from sample to sample.
class Biquad {
 public:
  enum class Type { LowPass, HighPass, BandPass };
  Biquad(Type type, double q) : type_(type), q_(q) {}

  void Tune(double cutoffHz, double rateHz) {
    const double w = 2.0 * Pi * std::fmin(cutoffHz, rateHz * 0.45) / rateHz;
    const double alpha = std::sin(w) / (2.0 * q_);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    if (type_ == Type::LowPass) {
      b0_ = b2_ = (1.0 - c) / 2.0 / a0;
      b1_ = (1.0 - c) / a0;
    } else if (type_ == Type::HighPass) {
      b0_ = b2_ = (1.0 + c) / 2.0 / a0;
      b1_ = -(1.0 + c) / a0;
    } else {
      b0_ = alpha / a0;
      b1_ = 0.0;
      b2_ = -alpha / a0;
    }
    a1_ = -2.0 * c / a0;
    a2_ = (1.0 - alpha) / a0;
  }

  double Process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  Type type_;
  double q_;
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Linear attack, exponential decay towards a sustain level, linear release into the sample's end.
struct Envelope {
  double attackSec = 0.002;
  double decaySec = 0.3;
  double sustain = 0.0;
  double releaseSec = 0.02;
  double lengthSec = 1.0;

  double At(double t) const {
    double level = attackSec > 0 ? std::fmin(1.0, t / attackSec) : 1.0;
    level *= sustain + (1.0 - sustain) * std::exp(-std::fmax(0.0, t - attackSec) / decaySec);
    const double untilEnd = lengthSec - t;
    if (untilEnd < releaseSec) level *= std::fmax(0.0, untilEnd / releaseSec);
    return level;
  }
};

}  // namespace composer
