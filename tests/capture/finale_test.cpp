// The lyric lines across the show, the red flash that opens the finale, and the closing fade.
#include <gtest/gtest.h>

#include <string>

#include "demo/timeline.h"
#include "show_record.h"

namespace show_capture {
namespace {

constexpr int LyricLines = 4;
constexpr uint16_t LyricStripWidth = 2048;
constexpr tools::Rgb FinaleRed{0xe0, 0x04, 0x0f};

TEST(ShowFinale, RedFlashOpensIt) {
  const FinaleProbe& finale = Show().finale;
  ASSERT_TRUE(finale.redFlash);
  const tools::Image& flash = finale.redFlash->picture;
  EXPECT_GE(FractionNear(flash, WholePicture(flash), FinaleRed, 16), 0.99);
  EXPECT_EQ(finale.fadeAtRedFlash.alpha, 255);
  EXPECT_EQ(finale.fadeAtRedFlash.argb, 0xffe0040fu);
}

TEST(ShowFinale, FourLyricLinesScrollAcrossInTurn) {
  const std::vector<LyricShot>& lines = Show().finale.lyricLines;
  ASSERT_EQ(lines.size(), static_cast<size_t>(LyricLines));
  for (int line = 0; line < LyricLines; ++line) {
    SCOPED_TRACE("lyric line " + std::to_string(line));
    const LyricShot& shot = lines[static_cast<size_t>(line)];
    const int32_t rowY = line * LyricLineHeightPx;
    EXPECT_EQ(shot.rect.y, rowY);
    const Region strip{SpriteCoordinate(shot.position.x), SpriteCoordinate(shot.position.y),
                       ScaledSize(LyricStripWidth), ScaledSize(LyricLineHeightPx)};
    EXPECT_GE(Match(shot.shot.picture, "lyrics.png", {0, rowY, LyricStripWidth, LyricLineHeightPx}, strip),
              SpriteShown);
  }
}

TEST(ShowFinale, LastFrameIsBlack) {
  const FinaleProbe& finale = Show().finale;
  ASSERT_TRUE(finale.last);
  const tools::Image& last = finale.last->picture;
  EXPECT_EQ(FractionNear(last, WholePicture(last), {0, 0, 0}, 0), 1.0);
  EXPECT_EQ(finale.fadeAtEnd.alpha, 255);
  EXPECT_EQ(finale.fadeAtEnd.argb, 0xff000000u);
}

}  // namespace
}  // namespace show_capture
