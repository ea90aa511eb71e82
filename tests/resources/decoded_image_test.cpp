// Pictures decoded on the CPU: the mipmap chain, its box filter, and decoding ahead on other threads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/decoded_image.h"
#include "resources/image_prefetch.h"
#include "resources/resource_fixture.h"
#include "support/console_capture.h"
#include "support/work_dir.h"

namespace {

using brisa_test::ConsoleCapture;

ImageLevel Level(int width, int height, std::vector<unsigned char> pixels) {
  ImageLevel level;
  level.width = width;
  level.height = height;
  level.pixels = std::move(pixels);
  return level;
}

TEST(HalveLevel, EachPixelIsTheRoundedMeanOfItsBlock) {
  struct Case {
    const char* what;
    ImageLevel above;
    int channels;
    ImageLevel expected;
  };
  const Case cases[] = {
      {"2 x 2 blocks, RGBA", Level(4, 2, {0, 0, 0, 0, 4, 8, 12, 255, 10, 10, 10, 10, 20, 20, 20, 20,  //
                                          0, 0, 0, 0, 4, 8, 12, 255, 30, 30, 30, 30, 40, 40, 40, 40}),
       4, Level(2, 1, {2, 4, 6, 128, 25, 25, 25, 25})},
      // Means of 0.5, 0.25 and 0.75 of a step: halves round up, quarters down, three quarters up.
      {"rounding", Level(6, 2, {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1,  //
                                0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1}),
       3, Level(3, 1, {1, 1, 1, 0, 0, 0, 1, 1, 1})},
      {"odd sides leave their last column and row out", Level(3, 3, {10, 10, 10, 20, 20, 20, 99, 99, 99,  //
                                                                     30, 30, 30, 40, 40, 40, 99, 99, 99,  //
                                                                     99, 99, 99, 99, 99, 99, 99, 99, 99}),
       3, Level(1, 1, {25, 25, 25})},
      {"a column one pixel wide is read twice", Level(1, 4, {0, 0, 0, 10, 10, 10, 20, 20, 20, 40, 40, 40}), 3,
       Level(1, 2, {5, 5, 5, 30, 30, 30})},
      {"a row one pixel high is read twice", Level(4, 1, {0, 0, 0, 9, 8, 8, 8, 8, 100, 100, 100, 100, 50, 50, 50, 50}),
       4, Level(2, 1, {4, 4, 4, 9, 75, 75, 75, 75})},
  };
  for (const Case& c : cases) {
    const ImageLevel half = HalveLevel(c.above, c.channels);
    EXPECT_EQ(half.width, c.expected.width) << c.what;
    EXPECT_EQ(half.height, c.expected.height) << c.what;
    EXPECT_EQ(half.pixels, c.expected.pixels) << c.what;
  }
}

// Decoding needs no GL: files in a working folder of their own.
class ImageDecodeTest : public ::testing::Test {
 protected:
  brisa_test::ScopedWorkDir work;
};

TEST_F(ImageDecodeTest, ChainRunsDownToOnePixelAndGreyIsWidened) {
  work.WriteFile("grey.png", brisa_test::EncodePng(8, 3, 1, std::vector<uint8_t>(8 * 3, 60)));
  DecodedImage image;
  ASSERT_TRUE(DecodeImageFile("grey.png", image));
  EXPECT_EQ(image.channels, 3);
  const int expected[][2] = {{8, 3}, {4, 1}, {2, 1}, {1, 1}};
  ASSERT_EQ(image.levels.size(), std::size(expected));
  for (size_t i = 0; i < image.levels.size(); ++i) {
    const ImageLevel& level = image.levels[i];
    EXPECT_EQ(level.width, expected[i][0]) << "level " << i;
    EXPECT_EQ(level.height, expected[i][1]) << "level " << i;
    EXPECT_EQ(level.pixels, std::vector<unsigned char>(size_t(level.width * level.height * 3), 60)) << "level " << i;
  }
  EXPECT_FALSE(DecodeImageFile("missing.png", image));
}

TEST_F(ImageDecodeTest, PrefetchHandsOverWhatADecodeOnTheSpotWouldGive) {
  std::vector<uint8_t> pixels;
  for (int i = 0; i < 6 * 5 * 4; ++i) pixels.push_back(static_cast<uint8_t>(i * 7));
  work.WriteFile("sprite.png", brisa_test::EncodePng(6, 5, 4, pixels));
  DecodedImage direct;
  ASSERT_TRUE(DecodeImageFile("sprite.png", direct));

  ImagePrefetch prefetch;
  prefetch.Start({"sprite.png", "missing.png", "sprite.png"});
  DecodedImage taken;
  bool decoded = false;
  ASSERT_TRUE(prefetch.Take("sprite.png", taken, decoded));
  EXPECT_TRUE(decoded);
  EXPECT_EQ(taken.channels, direct.channels);
  ASSERT_EQ(taken.levels.size(), direct.levels.size());
  for (size_t i = 0; i < taken.levels.size(); ++i) EXPECT_EQ(taken.levels[i].pixels, direct.levels[i].pixels) << i;
  // Taken once: a second request decodes on the spot.
  EXPECT_FALSE(prefetch.Take("sprite.png", taken, decoded));
  ASSERT_TRUE(prefetch.Take("missing.png", taken, decoded));
  EXPECT_FALSE(decoded);
  prefetch.Start({"sprite.png"});
  prefetch.Drop();
  EXPECT_FALSE(prefetch.Take("sprite.png", taken, decoded));
}

class DecodedImageTest : public brisa_test::ResourceTest {};

// Level 1 of the texture, read back through a framebuffer.
std::vector<uint8_t> ReadLevelOne(const Texture& texture, int width, int height) {
  GLuint framebuffer = 0;
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture.texture, 1);
  std::vector<uint8_t> pixels(size_t(width * height * 4));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &framebuffer);
  return pixels;
}

TEST_F(DecodedImageTest, PrefetchedAndOnTheSpotTexturesLoadAlikeWithTheirLines) {
  // Two columns of 2 x 2 blocks: level 1 holds each block's mean.
  const std::vector<uint8_t> pixels = {0,   0,   0,   255, 40, 80, 120, 255, 200, 200, 200, 255, 100, 100, 100, 255,
                                       40,  80,  120, 255, 0,  0,  0,   255, 100, 100, 100, 255, 200, 200, 200, 255};
  work.WriteFile("blocks.png", brisa_test::EncodePng(4, 2, 4, pixels));
  work.WriteFile("other.png", brisa_test::EncodePng(4, 2, 4, pixels));
  manager.PrefetchImages({"blocks.png", "gone.png"});
  for (const char* path : {"blocks.png", "other.png"}) {
    ConsoleCapture console;
    const int id = manager.GetTexture(path);
    ASSERT_NE(id, -1) << path;
    EXPECT_EQ(console.Stdout(false), std::string("Adding Texture Graphic ") + path + " (first request)\n");
    EXPECT_EQ(ReadLevelOne(*manager.TextureById(id), 2, 1),
              (std::vector<uint8_t>{20, 40, 60, 255, 150, 150, 150, 255}))
        << path;
  }
  ConsoleCapture console;
  EXPECT_EQ(manager.GetTexture("gone.png"), -1);
  EXPECT_EQ(console.Stderr(false), "Error when loading image: gone.png: stbi_load ERROR.\n");
  EXPECT_EQ(console.Stdout(false), "Adding Texture Graphic gone.png (first request)\nFailed to load gone.png on the ID map\n");
}

}  // namespace
