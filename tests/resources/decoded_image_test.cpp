// Pictures decoded on the CPU: the mipmap chain, its filter against the driver's, and decoding ahead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "demo/image_paths.h"
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

TEST(HalveLevel, FiltersAsTheDriversMipmapBlitDoes) {
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
      // Across, then down, each step rounding its half up: a quarter of a step gives 1, 2.25 gives 3.
      {"rounding", Level(4, 2, {0, 0, 0, 1, 1, 1, 0, 0, 0, 3, 3, 3,  //
                                0, 0, 0, 0, 0, 0, 3, 3, 3, 3, 3, 3}),
       3, Level(2, 1, {1, 1, 1, 3, 3, 3})},
      // Five pixels halve to two whose centres fall 0.75 and 3.25 pixels in: the middle one is not read.
      {"an odd side is read where the smaller pixels' centres fall",
       Level(5, 1, {0, 0, 0, 100, 100, 100, 77, 77, 77, 200, 200, 200, 40, 40, 40}), 3,
       Level(2, 1, {75, 75, 75, 160, 160, 160})},
      {"three by three gives its middle pixel", Level(3, 3, {10, 10, 10, 20, 20, 20, 99, 99, 99,  //
                                                             30, 30, 30, 40, 40, 40, 99, 99, 99,  //
                                                             99, 99, 99, 99, 99, 99, 99, 99, 99}),
       3, Level(1, 1, {40, 40, 40})},
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

class DecodedImageTest : public brisa_test::ResourceTest {
 protected:
  // The manager's console lines are left out; a failure's own message still reaches the console.
  int GetTextureQuietly(const std::string& path) {
    ConsoleCapture console;
    return manager.GetTexture(path);
  }
};

// Every level the texture holds, read back as RGBA, from level 0 to its 1 x 1 level.
std::vector<ImageLevel> ReadLevels(GLuint texture) {
  std::vector<ImageLevel> levels;
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  for (GLint index = 0; levels.empty() || levels.back().width * levels.back().height > 1; ++index) {
    ImageLevel level;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, index, GL_TEXTURE_WIDTH, &level.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, index, GL_TEXTURE_HEIGHT, &level.height);
    if (level.width == 0 || level.height == 0) break;
    level.pixels.resize(size_t(level.width * level.height * 4));
    glGetTexImage(GL_TEXTURE_2D, index, GL_RGBA, GL_UNSIGNED_BYTE, level.pixels.data());
    levels.push_back(std::move(level));
  }
  glBindTexture(GL_TEXTURE_2D, 0);
  return levels;
}

// What glGenerateMipmap makes from the texture's level 0, in the texture's own format.
std::vector<ImageLevel> DriversOwnLevels(GLuint texture) {
  const ImageLevel top = ReadLevels(texture).front();
  GLint format = 0;
  glBindTexture(GL_TEXTURE_2D, texture);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
  GLuint generated = 0;
  glGenTextures(1, &generated);
  glBindTexture(GL_TEXTURE_2D, generated);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, format, top.width, top.height, 0, GL_RGBA, GL_UNSIGNED_BYTE, top.pixels.data());
  glGenerateMipmap(GL_TEXTURE_2D);
  std::vector<ImageLevel> levels = ReadLevels(generated);
  glDeleteTextures(1, &generated);
  return levels;
}

int LargestDifference(const ImageLevel& a, const ImageLevel& b) {
  int largest = 0;
  for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
    largest = std::max(largest, std::abs(int(a.pixels[i]) - int(b.pixels[i])));
  }
  return largest;
}

// The levels built on the CPU stand in for the driver's: each one the same size, and no pixel
// further from the driver's than its rounding goes.
void ExpectTheDriversLevels(GLuint texture, const std::string& what) {
  constexpr int DriverRoundingOf255 = 4;
  const std::vector<ImageLevel> uploaded = ReadLevels(texture);
  const std::vector<ImageLevel> generated = DriversOwnLevels(texture);
  ASSERT_EQ(uploaded.size(), generated.size()) << what;
  for (size_t i = 0; i < uploaded.size(); ++i) {
    EXPECT_EQ(uploaded[i].width, generated[i].width) << what << " level " << i;
    EXPECT_EQ(uploaded[i].height, generated[i].height) << what << " level " << i;
    EXPECT_LE(LargestDifference(uploaded[i], generated[i]), DriverRoundingOf255) << what << " level " << i;
  }
}

// Pixels that differ from their neighbours, so that a level read at the wrong place shows.
std::vector<uint8_t> Noise(int width, int height, int channels) {
  std::vector<uint8_t> pixels(size_t(width * height * channels));
  uint32_t state = 12345;
  for (uint8_t& value : pixels) {
    state = state * 1664525u + 1013904223u;
    value = static_cast<uint8_t>(state >> 24);
  }
  return pixels;
}

TEST_F(DecodedImageTest, EveryLevelIsWhatTheDriverWouldMakeFromTheSamePicture) {
  struct Case {
    int width;
    int height;
    int channels;
  };
  // Odd sides at the top and further down (211 x 127 halves to 105 x 63, 52 x 31, ...), sides of
  // one pixel, and a power of two for the plain 2 x 2 case.
  const Case cases[] = {{211, 127, 4}, {100, 141, 3}, {5, 5, 3}, {5, 5, 4}, {3, 1, 4},
                        {1, 3, 3},     {1, 1, 4},     {75, 1, 3}, {64, 32, 4}};
  for (const Case& c : cases) {
    const std::string path = std::to_string(c.width) + "x" + std::to_string(c.height) + "_" +
                             std::to_string(c.channels) + ".png";
    work.WriteFile(path, brisa_test::EncodePng(c.width, c.height, c.channels, Noise(c.width, c.height, c.channels)));
    const int id = GetTextureQuietly(path);
    ASSERT_NE(id, -1) << path;
    ExpectTheDriversLevels(manager.TextureById(id)->texture, path);
  }
}

// The show's own pictures, as the build made them.
TEST_F(DecodedImageTest, EveryLevelOfTheShowsPicturesIsWhatTheDriverWouldMake) {
  for (const char* asset : SceneImagePaths) {
    const std::string path = brisa_test::StagedPath(asset);
    const int id = GetTextureQuietly(path);
    ASSERT_NE(id, -1) << path;
    ExpectTheDriversLevels(manager.TextureById(id)->texture, asset);
  }
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
    EXPECT_EQ(ReadLevels(manager.TextureById(id)->texture).at(1).pixels,
              (std::vector<uint8_t>{20, 40, 60, 255, 150, 150, 150, 255}))
        << path;
  }
  ConsoleCapture console;
  EXPECT_EQ(manager.GetTexture("gone.png"), -1);
  EXPECT_EQ(console.Stderr(false), "Error when loading image: gone.png: stbi_load ERROR.\n");
  EXPECT_EQ(console.Stdout(false), "Adding Texture Graphic gone.png (first request)\nFailed to load gone.png on the ID map\n");
}

}  // namespace
