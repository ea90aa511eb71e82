// The one run of the show that the show tests share, and the measures they judge it by.
#pragma once

#include <string>

#include "credits_probe.h"
#include "demo/render.h"
#include "finale_probe.h"
#include "greetings_probe.h"
#include "image_probes.h"
#include "intro_probe.h"
#include "shatter_probe.h"
#include "sprite_art.h"
#include "timeline_probe.h"

namespace show_capture {

// A sprite is on screen when nearly all of its tested texels show, and absent when few do by chance.
constexpr double SpriteShown = 0.9;
constexpr double SpriteAbsent = 0.25;
// Colour change that counts as a changed pixel, well above the dither of the effects.
constexpr int PixelTolerance = 32;

struct ShowRecord {
  explicit ShowRecord(RgbaArt greetingsAtlas) : greetings(std::move(greetingsAtlas)) {}

  ShowRun run;
  double seconds = 0.0;
  TimelineProbe timeline;
  IntroProbe intro;
  CreditsProbe credits;
  ShatterProbe shatter;
  GreetingsProbe greetings;
  ParrotProbe parrot;
  FinaleProbe finale;
};

// Plays the show from the stage folder the first time it is asked for; the same record afterwards.
const ShowRecord& Show();

// A sprite sheet of the stage's Assets/, decoded once.
const RgbaArt& Art(const std::string& file);

Region OnScreen(const SpriteDestination& at);
ArtRect FromSheet(const TextureRect& rect);

// MatchSprite of a staged sheet; fails the test when too little of the sprite lies on screen to judge.
double Match(const tools::Image& picture, const std::string& sheet, const ArtRect& source, const Region& at);

}  // namespace show_capture
