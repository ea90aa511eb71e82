// The credits rows, and the tiles cut from the last credits frame falling off the screen.
#include <gtest/gtest.h>

#include <string>

#include "config/screen.h"
#include "demo/song_positions.h"
#include "demo/tile_shatter.h"
#include "show_record.h"

namespace show_capture {
namespace {

struct CreditRows {
  int32_t order;  // shown here, hidden in the next order
  int32_t titleY;
  int32_t nameY;
};

constexpr CreditRows ShownCredits[] = {
    {CreditsOrder, 0, 180}, {SecondCreditOrder, 60, 270}, {ThirdCreditOrder, 120, 180}};
constexpr uint16_t CreditWidth = 1080;
constexpr uint16_t CreditTitleHeight = 60;
constexpr uint16_t CreditNameHeight = 90;
// Share of a tile's first place that must have changed for it to count as fallen away.
constexpr double TileGoneShare = 0.5;

Region CreditArea(int designY, uint16_t height) {
  return {ScaleDesign(DesignCreditsX), ScaleDesign(designY), ScaledSize(CreditWidth), ScaledSize(height)};
}

Region TileAt(const glm::vec3& position) {
  return {static_cast<int>(position.x), static_cast<int>(position.y), TileSizePx, TileSizePx};
}

TEST(ShowCredits, ShowATitleAndANameInEvenOrdersAndHideInOddOnes) {
  const CreditsProbe& credits = Show().credits;
  const Region title = CreditArea(DesignCreditsTitleY, CreditTitleHeight);
  const Region name = CreditArea(DesignCreditsNameY, CreditNameHeight);
  for (const CreditRows& rows : ShownCredits) {
    const ArtRect titleArt{0, rows.titleY, CreditWidth, CreditTitleHeight};
    const ArtRect nameArt{0, rows.nameY, CreditWidth, CreditNameHeight};
    SCOPED_TRACE("credits of order " + std::to_string(rows.order));
    ASSERT_TRUE(credits.shots.count(rows.order) && credits.shots.count(rows.order + 1));
    const CreditShot& shown = credits.shots.at(rows.order);
    EXPECT_GE(Match(shown.shot.picture, "credits_text.png", titleArt, title), SpriteShown);
    EXPECT_GE(Match(shown.shot.picture, "credits_text.png", nameArt, name), SpriteShown);
    EXPECT_EQ(shown.title.y, rows.titleY);
    EXPECT_EQ(shown.name.y, rows.nameY);
    const tools::Image& hidden = credits.shots.at(rows.order + 1).shot.picture;
    EXPECT_LE(Match(hidden, "credits_text.png", titleArt, title), SpriteAbsent);
    EXPECT_LE(Match(hidden, "credits_text.png", nameArt, name), SpriteAbsent);
    EXPECT_EQ(credits.tallestCredit.at(rows.order + 1), 0) << "a credit rectangle kept its height";
  }
}

TEST(ShowShatter, TilesAreCutFromTheLastCreditsFrame) {
  const ShatterProbe& shatter = Show().shatter;
  ASSERT_TRUE(shatter.lastCredits && shatter.grab);
  EXPECT_EQ(shatter.lastCredits->frame.index + 1, shatter.grab->frame.index);
  const tools::Image& credits = shatter.lastCredits->picture;
  ASSERT_EQ(shatter.screenshotRows.width, credits.width);
  ASSERT_EQ(shatter.screenshotRows.height, credits.height);
  // Stored row 0 holds the screen's top row: the grab turns the picture over on the way.
  EXPECT_EQ(FractionChanged(shatter.screenshotRows, credits, WholePicture(credits), 0), 0.0);
  // Before they fall, the tiles lie each over the piece of the screen it shows.
  ASSERT_EQ(shatter.laidOut.size(), static_cast<size_t>(TileCount));
  for (size_t i = 0; i < shatter.laidOut.size(); ++i) {
    EXPECT_EQ(FractionChanged(shatter.grab->picture, credits, Inside(TileAt(shatter.laidOut[i])), 8), 0.0)
        << "tile " << i;
  }
}

TEST(ShowShatter, TilesFallAwayBelowTheScreen) {
  const ShatterProbe& shatter = Show().shatter;
  ASSERT_TRUE(shatter.lastCredits && shatter.falling && shatter.lastShatter);
  ASSERT_EQ(shatter.laidOut.size(), static_cast<size_t>(TileCount));
  int fallenAway = 0;
  for (const glm::vec3& at : shatter.laidOut) {
    const double changed =
        FractionChanged(shatter.falling->picture, shatter.lastCredits->picture, Inside(TileAt(at)), PixelTolerance);
    if (changed >= TileGoneShare) ++fallenAway;
  }
  EXPECT_GE(fallenAway, 1) << ShatterProbe::FallingAfterMs << " ms after the grab";
  ASSERT_EQ(shatter.positionsAtEnd.size(), static_cast<size_t>(TileCount));
  for (size_t i = 0; i < shatter.positionsAtEnd.size(); ++i) {
    EXPECT_GE(shatter.positionsAtEnd[i].y, static_cast<float>(ScreenHeight)) << "tile " << i;
  }
  const tools::Image& end = shatter.lastShatter->picture;
  EXPECT_GE(FractionChanged(end, shatter.lastCredits->picture, WholePicture(end), PixelTolerance), 0.5);
}

}  // namespace
}  // namespace show_capture
