// A complete, small asset folder for the show: flat-coloured images, tiny meshes, the test module.
#pragma once

#include <cstdint>
#include <string>

#include "support/mod_fixture.h"
#include "support/work_dir.h"

namespace brisa_test {

struct FixtureColor {
  uint8_t r, g, b;
};

// Each band of the sprite images has its own colour, so a probe tells which source row was drawn.
constexpr FixtureColor TitleCard1Color{255, 0, 0};
constexpr FixtureColor TitleCard2Color{0, 255, 0};
constexpr FixtureColor TitleCard3Color{0, 0, 255};
constexpr FixtureColor LogoTopColor{255, 255, 255};
constexpr FixtureColor LogoColor{255, 255, 0};
// credits_text.png rows of 60 (titles) then 90 (names) pixels.
constexpr FixtureColor CreditsTitleColors[3] = {{0, 255, 255}, {255, 128, 0}, {128, 0, 255}};
constexpr FixtureColor CreditsNameColors[2] = {{0, 128, 0}, {128, 128, 128}};
constexpr FixtureColor ParrotColor{255, 0, 255};
// lyrics.png rows of 64 pixels.
constexpr FixtureColor LyricsColors[4] = {{200, 100, 50}, {50, 100, 200}, {100, 200, 50}, {250, 250, 100}};
constexpr FixtureColor GreetsColor{10, 200, 10};
constexpr FixtureColor MeshTextureColor{255, 160, 0};
// windsurf_tex.png: a top half and a bottom half, so a probe tells which way up the mesh was textured.
constexpr FixtureColor WindsurfTopColor{0, 200, 255};
constexpr FixtureColor WindsurfBottomColor{200, 0, 120};

// The flat colour each fixture effect fills the screen with, so a probe tells which effect drew.
constexpr FixtureColor PalmsEffectColor{40, 0, 0};
constexpr FixtureColor CityEffectColor{0, 40, 0};
constexpr FixtureColor RoadEffectColor{0, 0, 40};
constexpr FixtureColor JailTunnelEffectColor{40, 40, 0};

// Every file the show requests under Assets/, with the module written from `song`: the staged
// shaders, or with `flatEffects` the staged 2D/3D shaders and four flat-colour effects.
void WriteDemoAssets(const ScopedWorkDir& dir, const ModFixture& song = {}, bool flatEffects = false);

// Image files made by WriteDemoAssets, relative to the working folder.
std::string FixtureImagePath(const std::string& name);

}  // namespace brisa_test
