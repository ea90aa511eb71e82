// What the greetings sections show: each greeting at full opacity, and the parrot sliding in.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "show_probe.h"
#include "sprite_art.h"

namespace show_capture {

struct GreetingSeen {
  int32_t number = 0;  // Greets::count
  int32_t cellX = 0;   // the animator's atlas cell
  int32_t cellY = 0;
  int32_t order = 0;
  SpriteMatch match;  // the picture against the greeting's own cell of the atlas
  FadeState fade;     // a section's opening fade may still veil it
};

// The atlas cell that shows greeting `number`: three columns of 19 greetings.
ArtRect GreetingCell(int32_t number);

class GreetingsProbe : public SectionProbe {
 public:
  explicit GreetingsProbe(RgbaArt atlas) : atlas_(std::move(atlas)) {}

  bool Wants(const ShowFrame& frame) override;
  void Observe(const ShowFrame& frame, bool rendered) override;

  // In the order the greetings first reached full opacity.
  std::vector<GreetingSeen> greetings;

 private:
  RgbaArt atlas_;
};

class ParrotProbe : public SectionProbe {
 public:
  // The parrot pictured half-way in: at or past this design x.
  static constexpr float SlidingX = -422.0f;

  bool Wants(const ShowFrame& frame) override;
  void Observe(const ShowFrame& frame, bool rendered) override;

  std::vector<float> designX;  // papagayoX of every parrot frame, in order
  std::optional<Shot> sliding;
  std::optional<Shot> resting;     // the first frame at 0
  std::optional<Shot> lastParrot;  // the last frame of the section
  float xWhenSliding = 0.0f;

 private:
  bool IsSliding(const ShowFrame& frame) const;
  bool IsResting(const ShowFrame& frame) const;
  bool IsLast(const ShowFrame& frame) const;
};

}  // namespace show_capture
