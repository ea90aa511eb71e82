// Pictures as the captures handle them: flips, shrinks, contact sheets, area measures, sprite matches.
#include <gtest/gtest.h>

#include "image_probes.h"
#include "sprite_art.h"
#include "tools/capture/contact_sheet.h"
#include "tools/capture/picture_edits.h"

namespace show_capture {
namespace {

constexpr tools::Rgb Black{0, 0, 0};
constexpr tools::Rgb White{255, 255, 255};
constexpr tools::Rgb Pink{240, 80, 160};

bool Same(tools::Rgb a, tools::Rgb b) {
  return !Differ(a, b, 0);
}

tools::Image Filled(int width, int height, tools::Rgb colour) {
  tools::Image image(width, height, 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.Set(x, y, colour);
  }
  return image;
}

// A sheet of `width` x `height` texels, transparent but for an opaque square of `colour`.
RgbaArt ArtWithSquare(int width, int height, const Region& square, tools::Rgb colour) {
  RgbaArt art;
  art.width = width;
  art.height = height;
  art.rgba.assign(static_cast<size_t>(width) * height * 4, 0);
  for (int y = square.y; y < square.y + square.height; ++y) {
    for (int x = square.x; x < square.x + square.width; ++x) {
      uint8_t* texel = &art.rgba[(static_cast<size_t>(y) * width + x) * 4];
      texel[0] = colour.r;
      texel[1] = colour.g;
      texel[2] = colour.b;
      texel[3] = 255;
    }
  }
  return art;
}

TEST(PictureEdits, FlipsRowsOver) {
  tools::Image image(2, 3, 3);
  image.Set(1, 0, White);
  const tools::Image flipped = FlipRows(image);
  EXPECT_TRUE(Same(flipped.At(1, 2), White));
  EXPECT_TRUE(Same(flipped.At(1, 0), Black));
}

TEST(PictureEdits, ShrinksToTheMeanOfEachBlock) {
  tools::Image image(4, 2, 3);
  image.Set(0, 0, White);
  image.Set(1, 1, White);
  const tools::Image small = Shrink(image, 2, 1);
  EXPECT_TRUE(Same(small.At(0, 0), tools::Rgb{127, 127, 127}));
  EXPECT_TRUE(Same(small.At(1, 0), Black));
}

TEST(PictureEdits, PastesClippedToTheCanvas) {
  tools::Image canvas(3, 3, 3);
  Paste(canvas, Filled(2, 2, White), 2, -1);
  EXPECT_TRUE(Same(canvas.At(2, 0), White));
  EXPECT_TRUE(Same(canvas.At(2, 1), Black));
  EXPECT_TRUE(Same(canvas.At(1, 0), Black));
}

TEST(ContactSheet, FillsRowsLeftToRightWithGaps) {
  ContactSheet sheet(2, 10, 5);
  EXPECT_TRUE(sheet.Picture().empty());
  for (tools::Rgb colour : {White, Pink, White}) sheet.Add(Filled(40, 20, colour));
  const tools::Image picture = sheet.Picture();
  // Two columns and two rows of 10 x 5 cells with 4-pixel gaps around them.
  EXPECT_EQ(picture.width, 4 + 2 * 14);
  EXPECT_EQ(picture.height, 4 + 2 * 9);
  EXPECT_EQ(picture.channels, 3) << "as many as the pictures added";
  EXPECT_TRUE(Same(picture.At(4, 4), White));
  EXPECT_TRUE(Same(picture.At(18, 4), Pink));
  EXPECT_TRUE(Same(picture.At(4, 13), White));
  EXPECT_TRUE(Same(picture.At(18, 13), Black)) << "no fourth cell";
  EXPECT_TRUE(Same(picture.At(2, 2), Black)) << "gap";
}

TEST(ImageProbes, MeasureInsideAndOutsideARegion) {
  const tools::Image black = Filled(10, 10, Black);
  tools::Image marked = black;
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 2; ++x) marked.Set(x, y, Pink);
  }
  const Region left{0, 0, 2, 10};
  EXPECT_DOUBLE_EQ(FractionChanged(black, marked, Inside(left), 10), 0.5);
  EXPECT_DOUBLE_EQ(FractionChanged(black, marked, Outside(left), 10), 0.0);
  EXPECT_DOUBLE_EQ(FractionNear(marked, WholePicture(marked), Pink, 0), 0.1);
  EXPECT_DOUBLE_EQ(FractionWhere(marked, Inside({-5, -5, 6, 6}), [](tools::Rgb p) { return p.r > 0; }), 1.0);
  EXPECT_DOUBLE_EQ(FractionChanged(black, marked, Inside({20, 20, 5, 5}), 10), 0.0) << "off the picture";
}

TEST(ImageProbes, ClipsRegionsToThePicture) {
  const Region clipped = ClipToPicture({-3, 8, 10, 10}, tools::Image(5, 10, 3));
  EXPECT_EQ(clipped.x, 0);
  EXPECT_EQ(clipped.y, 8);
  EXPECT_EQ(clipped.width, 5);
  EXPECT_EQ(clipped.height, 2);
}

TEST(SpriteMatch, FindsASpriteDrawnAtItsPlaceAndSize) {
  const RgbaArt art = ArtWithSquare(16, 16, {4, 4, 8, 8}, Pink);
  tools::Image picture = Filled(40, 40, Black);
  // The sheet drawn at half size at (10, 20): its square covers (12, 22) to (16, 26).
  for (int y = 22; y < 26; ++y) {
    for (int x = 12; x < 16; ++x) picture.Set(x, y, Pink);
  }
  const SpriteMatch drawn = MatchSprite(picture, art, {0, 0, 16, 16}, {10, 20, 8, 8});
  EXPECT_GT(drawn.tested, 0);
  EXPECT_DOUBLE_EQ(drawn.fraction(), 1.0);
  EXPECT_DOUBLE_EQ(MatchSprite(picture, art, {0, 0, 16, 16}, {20, 20, 8, 8}).fraction(), 0.0) << "elsewhere";
}

TEST(SpriteMatch, TestsOnlyOpaqueBrightTexelsAwayFromEdges) {
  const RgbaArt dark = ArtWithSquare(16, 16, {0, 0, 16, 16}, tools::Rgb{20, 10, 30});
  EXPECT_EQ(MatchSprite(Filled(16, 16, Black), dark, {0, 0, 16, 16}, {0, 0, 16, 16}).tested, 0);
  // At full size a texel needs its eight neighbours in the square: the 8 x 8 square has 6 x 6 such.
  const RgbaArt square = ArtWithSquare(16, 16, {4, 4, 8, 8}, Pink);
  EXPECT_EQ(MatchSprite(Filled(16, 16, Black), square, {0, 0, 16, 16}, {0, 0, 16, 16}).tested, 36);
}

}  // namespace
}  // namespace show_capture
