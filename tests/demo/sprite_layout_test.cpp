// The per-build sprite layout: design values times SpriteScale, truncated toward zero.
#include <gtest/gtest.h>

#include "demo/render.h"

namespace {

struct Expected {
  SpriteDestination d480, d720, d1080;
};

SpriteDestination ForThisBuild(const Expected& e) {
  return ScreenWidth == 854 ? e.d480 : ScreenWidth == 1280 ? e.d720 : e.d1080;
}

void ExpectDestination(const SpriteDestination& got, const SpriteDestination& want) {
  EXPECT_EQ(got.x, want.x);
  EXPECT_EQ(got.y, want.y);
  EXPECT_EQ(got.width, want.width);
  EXPECT_EQ(got.height, want.height);
}

TEST(SpriteLayout, FixedSpritesMatchTheirPerBuildDestinations) {
  struct Case {
    const char* what;
    const FixedSprite* sprite;
    Expected expected;
  };
  const Case cases[] = {
      {"title card 1", &TitleCard1, {{155, 177, 542, 133}, {233, 266, 813, 200}, {350, 400, 1220, 300}}},
      {"title card 2", &TitleCard2, {{155, 213, 542, 57}, {233, 320, 813, 86}, {350, 480, 1220, 130}}},
      {"title card 3", &TitleCard3, {{155, 177, 542, 88}, {233, 266, 813, 133}, {350, 400, 1220, 200}}},
      {"logo", &LogoSprite, {{186, 144, 480, 192}, {280, 216, 720, 288}, {420, 324, 1080, 432}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectDestination(ScaleDestination(c.sprite->design), ForThisBuild(c.expected));
  }
  EXPECT_EQ(LogoSprite.source.y, 430);
}

TEST(SpriteLayout, PositionsAndSizesThatFollowTheShow) {
  const bool b480 = ScreenWidth == 854, b720 = ScreenWidth == 1280;
  const auto pick = [&](int a, int b, int c) { return b480 ? a : b720 ? b : c; };
  EXPECT_EQ(ParrotX(-844.0f), pick(-375, -562, -844));
  EXPECT_EQ(ParrotX(-400.0f), pick(-177, -266, -400));
  EXPECT_EQ(ParrotX(0.0f), 0);
  EXPECT_EQ(ScaleDesign(DesignParrotY), pick(26, 40, 60));
  EXPECT_EQ(ScaledSize(844), pick(375, 562, 844));
  EXPECT_EQ(ScaledSize(1020), pick(453, 680, 1020));
  EXPECT_EQ(ScaleDesign(DesignCreditsX), pick(186, 280, 420));
  EXPECT_EQ(ScaleDesign(DesignCreditsTitleY), pick(189, 283, 425));
  EXPECT_EQ(ScaleDesign(DesignCreditsNameY), pick(226, 340, 510));
  EXPECT_EQ(ScaledSize(1080), pick(480, 720, 1080));
  EXPECT_EQ(ScaledSize(60), pick(26, 40, 60));
  EXPECT_EQ(ScaledSize(2048), pick(910, 1365, 2048));
  EXPECT_EQ(ScaledSize(64), pick(28, 42, 64));
  EXPECT_EQ(ScaledSize(0), 0);
  EXPECT_EQ(TileVisibilityBound, static_cast<float>(pick(480, 720, 1080)));
}

TEST(SpriteLayout, FloatPositionsTruncateTowardZeroAndWrapAtSixteenBits) {
  struct Case {
    float position;
    int16_t expected;
  };
  const Case cases[] = {
      {12.9f, 12}, {-12.9f, -12}, {-0.5f, 0}, {-300.0f, -300}, {32767.0f, 32767},
      {32768.0f, -32768}, {70000.5f, 4464}, {-70000.0f, -4464},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    EXPECT_EQ(SpriteCoordinate(c.position), c.expected);
  }
  // Far outside any screen these still give a defined coordinate.
  EXPECT_EQ(SpriteCoordinate(1e20f), SpriteCoordinate(2147483520.0f));
  EXPECT_EQ(SpriteCoordinate(std::nanf("")), 0);
}

}  // namespace
