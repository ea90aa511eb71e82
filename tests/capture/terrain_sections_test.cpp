// The show's order of sections, and the terrain sections: title cards, flamingo, flash, logo, windsurfer.
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>
#include <utility>

#include "demo/song_positions.h"
#include "demo/timeline.h"
#include "show_record.h"
#include "tools/capture/offline_pacing.h"

namespace show_capture {
namespace {

// Share of the screen a model covers when it is there, well below what each one draws.
constexpr double ModelVisible = 0.004;
// Share of the pixels outside a title card that may have red light (the flamingo's, in order 2).
constexpr double SpriteFreeRedShare = 0.01;
// Share of the pixels outside a title card drawn by terrain lines, well below what they cover.
constexpr double TerrainLineShare = 0.01;
// Share of a title card's rectangle that changes when the card comes on.
constexpr double CardChangeShare = 0.2;

// The terrain scenes are cyan lines on black: no red light, except where a sprite or a model is.
bool WithoutRed(tools::Rgb pixel) {
  return pixel.r <= 48;
}

bool TerrainLine(tools::Rgb pixel) {
  return WithoutRed(pixel) && pixel.g >= 96 && pixel.b >= 96;
}

double ShareDrawnBy(const tools::Image& picture, const tools::Image& without) {
  return FractionChanged(picture, without, WholePicture(picture), PixelTolerance);
}

TEST(ShowSections, FollowEachOtherToTheEndOfTheSong) {
  const ShowRecord& show = Show();
  ASSERT_EQ(show.run.outcome, ShowOutcome::Played);
  EXPECT_EQ(show.run.frames, show.timeline.frames);
  ASSERT_EQ(show.run.soundtrack.size() % MixBytesPerFrame, 0u);
  // The show ends with the last frame shown before the device asks for a buffer the song cannot fill.
  const int64_t buffers = (static_cast<int64_t>(show.run.soundtrack.size()) + MixBufferBytes - 1) / MixBufferBytes;
  const int64_t musicEndsMs = buffers * MixBufferFrames * 1000 / MixRateHz;
  EXPECT_LE(show.timeline.lastPlaybackMs, musicEndsMs);
  EXPECT_GT(show.timeline.lastPlaybackMs + 1000 / DisplayRateHz + 1, musicEndsMs);
  const std::pair<int, int32_t> expected[] = {
      {SceneIntro, 0},          {SceneWindsurf, WindsurfOrder},   {SceneCredits, CreditsOrder},
      {SceneShatter, ShatterOrder}, {SceneGreetings, GreetingsOrder}, {ScenePapagayo, PapagayoOrder},
      {SceneFinale, FinaleOrder}};
  ASSERT_EQ(show.timeline.entries.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(show.timeline.entries[i].state, expected[i].first) << "section " << i;
    EXPECT_EQ(show.timeline.entries[i].order, expected[i].second) << "section " << i;
  }
}

TEST(ShowTerrain, TitleCardsComeOnOverTheTerrain) {
  const IntroProbe& intro = Show().intro;
  const FixedSprite cards[3] = {TitleCard1, TitleCard2, TitleCard3};
  for (int card = 0; card < 3; ++card) {
    SCOPED_TRACE("title card " + std::to_string(card + 1));
    ASSERT_TRUE(intro.cards[card].before && intro.cards[card].with);
    const tools::Image& before = intro.cards[card].before->picture;
    const tools::Image& with = intro.cards[card].with->picture;
    const Region rect = OnScreen(ScaleDestination(cards[card].design));
    const ArtRect source = FromSheet(cards[card].source);
    EXPECT_GE(Match(with, "opening.png", source, rect), SpriteShown);
    EXPECT_LE(Match(before, "opening.png", source, rect), SpriteAbsent);
    EXPECT_GE(FractionChanged(before, with, Inside(rect), PixelTolerance), CardChangeShare);
    EXPECT_GE(FractionWhere(with, Outside(rect), WithoutRed), 1.0 - SpriteFreeRedShare);
    EXPECT_GE(FractionWhere(with, Outside(rect), TerrainLine), TerrainLineShare);
  }
}

TEST(ShowTerrain, FlamingoIsWholeBeforeOrderFiveAndGoneBeforeOrderSeven) {
  const std::map<int32_t, int32_t>& indices = Show().intro.flamingoIndicesAtOrderEnd;
  ASSERT_GT(flamingoFullCount, 0);
  constexpr int32_t LastIntroOrder = WindsurfOrder - 1;
  ASSERT_TRUE(indices.count(FlamingoOrder) && indices.count(LastIntroOrder) && indices.count(SailingOrder));
  // Built a triangle at a time from the flamingo's order on, not all at once.
  EXPECT_GT(indices.at(FlamingoOrder), 0);
  EXPECT_LT(indices.at(FlamingoOrder), flamingoFullCount);
  EXPECT_EQ(indices.at(LastIntroOrder), flamingoFullCount);
  EXPECT_EQ(indices.at(SailingOrder), 0);
}

TEST(ShowTerrain, FlamingoShowsFromOrderTwoUntilItIsTornDown) {
  const IntroProbe& intro = Show().intro;
  std::map<int32_t, double> share;
  for (const auto& [order, shots] : intro.objectShots)
    share[order] = ShareDrawnBy(shots.shot.picture, shots.withoutFlamingo);
  ASSERT_EQ(share.size(), static_cast<size_t>(IntroProbe::LastObjectOrder - IntroProbe::FirstObjectOrder + 1));
  EXPECT_EQ(share.at(FlamingoOrder - 1), 0.0);
  for (int32_t order = FlamingoOrder; order <= WindsurfOrder; ++order) {
    EXPECT_GE(share.at(order), ModelVisible) << "order " << order;
  }
  EXPECT_LT(share.at(SailingOrder), share.at(WindsurfOrder)) << "torn down while the windsurfer sails";
  EXPECT_EQ(share.at(DriftOrder), 0.0);
}

TEST(ShowTerrain, WindsurferSailsFromOrderSix) {
  const IntroProbe& intro = Show().intro;
  for (const auto& [order, shots] : intro.objectShots) {
    const double share = ShareDrawnBy(shots.shot.picture, shots.withoutWindsurfer);
    if (order >= SailingOrder) {
      EXPECT_GE(share, ModelVisible) << "order " << order;
    } else {
      EXPECT_EQ(share, 0.0) << "order " << order;
    }
  }
}

TEST(ShowTerrain, WhiteFlashOpensOrderFiveThenTheLogoShows) {
  const IntroProbe& intro = Show().intro;
  ASSERT_TRUE(intro.whiteFlash && intro.logo && intro.objectShots.count(SailingOrder));
  const tools::Image& flash = intro.whiteFlash->picture;
  EXPECT_GE(FractionNear(flash, WholePicture(flash), {255, 255, 255}, 16), 0.99);
  EXPECT_EQ(intro.fadeAtWhiteFlash.alpha, 255);
  EXPECT_EQ(intro.fadeAtWhiteFlash.argb, 0xffffffffu);
  const Region logo = OnScreen(ScaleDestination(LogoSprite.design));
  const ArtRect source = FromSheet(LogoSprite.source);
  EXPECT_GE(Match(intro.logo->picture, "Brisa_Vice_6c.png", source, logo), SpriteShown);
  EXPECT_LE(Match(intro.objectShots.at(SailingOrder).shot.picture, "Brisa_Vice_6c.png", source, logo), SpriteAbsent);
}

}  // namespace
}  // namespace show_capture
