// Image textures: format by channel count, pixels as decoded, mipmaps, wrap and filter, bad files.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "resources/resource_fixture.h"
#include "support/console_capture.h"

namespace {

using brisa_test::ConsoleCapture;
using brisa_test::GetInteger;
using brisa_test::Rgba;

class TextureTest : public brisa_test::ResourceTest {
 protected:
  // Level 0 of `texture` read back through a framebuffer, top row first.
  std::vector<Rgba> ReadTexture(const Texture& texture) {
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture.texture, 0);
    std::vector<Rgba> pixels(static_cast<size_t>(texture.width * texture.height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, texture.width, texture.height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer);
    return pixels;
  }

  GLint LevelParameter(const Texture& texture, GLint level, GLenum parameter) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture.texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, parameter, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
  }

  GLint Parameter(const Texture& texture, GLenum parameter) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture.texture);
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
  }

  const Texture& Load(const std::string& path) {
    const int id = manager.GetTexture(path);
    EXPECT_NE(id, -1) << path;
    static const Texture none;
    const Texture* texture = manager.TextureById(id);
    return texture != nullptr ? *texture : none;
  }
};

// 3 x 2 pixels; an RGB row of 9 bytes is not a multiple of four.
constexpr int ImageWidth = 3;
constexpr int ImageHeight = 2;

std::vector<uint8_t> Channels(int channels) {
  std::vector<uint8_t> pixels;
  for (int i = 0; i < ImageWidth * ImageHeight; ++i) {
    for (int c = 0; c < channels; ++c) pixels.push_back(static_cast<uint8_t>(20 + 40 * i + 7 * c));
  }
  return pixels;
}

// What a pixel of Channels(channels) becomes once it is a GL texel.
Rgba Expected(int channels, int i) {
  const std::vector<uint8_t> pixels = Channels(channels);
  const uint8_t* p = &pixels[static_cast<size_t>(i * channels)];
  switch (channels) {
    case 1: return {p[0], p[0], p[0], 255};
    case 2: return {p[0], p[0], p[0], p[1]};
    case 3: return {p[0], p[1], p[2], 255};
    default: return {p[0], p[1], p[2], p[3]};
  }
}

TEST_F(TextureTest, UploadFormatFollowsTheChannelCountAndPixelsArriveTopRowFirst) {
  struct Case {
    int channels;
    GLint internalFormat;
  };
  // Grey and grey-alpha are widened, so the upload never reads past the decoded pixels.
  for (const Case& c : {Case{4, GL_RGBA}, Case{3, GL_RGB}, Case{2, GL_RGBA}, Case{1, GL_RGB}}) {
    const std::string path = "image" + std::to_string(c.channels) + ".png";
    work.WriteFile(path, brisa_test::EncodePng(ImageWidth, ImageHeight, c.channels, Channels(c.channels)));
    const Texture& texture = Load(path);
    EXPECT_EQ(texture.width, ImageWidth);
    EXPECT_EQ(texture.height, ImageHeight);
    EXPECT_EQ(LevelParameter(texture, 0, GL_TEXTURE_INTERNAL_FORMAT), c.internalFormat) << path;
    const std::vector<Rgba> pixels = ReadTexture(texture);
    for (int i = 0; i < ImageWidth * ImageHeight; ++i) {
      EXPECT_EQ(pixels[static_cast<size_t>(i)], Expected(c.channels, i)) << path << " pixel " << i;
    }
  }
  EXPECT_EQ(GetInteger(GL_UNPACK_ALIGNMENT), 1);
}

// Binary PGM of the fixture's size: a text header, then the samples.
std::string EncodePgm(int maxValue, const std::vector<uint8_t>& sampleBytes) {
  return "P5\n" + std::to_string(ImageWidth) + " " + std::to_string(ImageHeight) + "\n" + std::to_string(maxValue) +
         "\n" + std::string(sampleBytes.begin(), sampleBytes.end());
}

TEST_F(TextureTest, GreyPgmIsWidenedWhateverItsSampleSize) {
  // Each 16-bit sample repeats its byte, so the grey expected does not hang on the byte order. Asking
  // the decoder itself for RGB read past its buffer on 16-bit files and left half the pixels black.
  const uint8_t greys[ImageWidth * ImageHeight] = {0x10, 0x30, 0x50, 0x70, 0x90, 0xb0};
  struct Case {
    const char* path;
    int maxValue;
    size_t bytesPerSample;
  };
  for (const Case& c : {Case{"grey8.pgm", 255, 1}, Case{"grey16.pgm", 65535, 2}}) {
    std::vector<uint8_t> samples;
    for (uint8_t grey : greys) samples.insert(samples.end(), c.bytesPerSample, grey);
    work.WriteFile(c.path, EncodePgm(c.maxValue, samples));
    const Texture& texture = Load(c.path);
    EXPECT_EQ(LevelParameter(texture, 0, GL_TEXTURE_INTERNAL_FORMAT), GL_RGB) << c.path;
    const std::vector<Rgba> pixels = ReadTexture(texture);
    ASSERT_EQ(pixels.size(), std::size(greys)) << c.path;
    for (size_t i = 0; i < pixels.size(); ++i) {
      EXPECT_EQ(pixels[i], (Rgba{greys[i], greys[i], greys[i], 255})) << c.path << " pixel " << i;
    }
  }
}

TEST_F(TextureTest, JpegIsUploadedAsRgb) {
  work.WriteFile("flat.jpg", brisa_test::EncodeJpeg(8, 8, std::vector<uint8_t>(8 * 8 * 3, 200)));
  const Texture& texture = Load("flat.jpg");
  EXPECT_EQ(LevelParameter(texture, 0, GL_TEXTURE_INTERNAL_FORMAT), GL_RGB);
  const Rgba pixel = ReadTexture(texture)[9];
  EXPECT_NEAR(pixel.r, 200, 2);
  EXPECT_EQ(pixel.a, 255);
}

TEST_F(TextureTest, FullMipmapChainRepeatWrapAndNothingLeftBound) {
  work.WriteFile("wide.png", brisa_test::EncodePng(8, 2, 4, std::vector<uint8_t>(8 * 2 * 4, 99)));
  glActiveTexture(GL_TEXTURE0);
  const Texture& texture = Load("wide.png");
  EXPECT_EQ(GetInteger(GL_TEXTURE_BINDING_2D), 0);
  const GLint expectedWidths[] = {8, 4, 2, 1};
  for (GLint level = 0; level < 4; ++level) {
    EXPECT_EQ(LevelParameter(texture, level, GL_TEXTURE_WIDTH), expectedWidths[level]) << level;
  }
  EXPECT_EQ(LevelParameter(texture, 3, GL_TEXTURE_HEIGHT), 1);
  EXPECT_EQ(Parameter(texture, GL_TEXTURE_WRAP_S), GL_REPEAT);
  EXPECT_EQ(Parameter(texture, GL_TEXTURE_WRAP_T), GL_REPEAT);
}

TEST_F(TextureTest, FilterComesFromTheFlagAtTheFirstLoad) {
  struct Case {
    uint8_t flag;
    GLint minFilter;
    GLint magFilter;
  };
  const Case cases[] = {{0, GL_NEAREST_MIPMAP_NEAREST, GL_NEAREST},
                        {1, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR},
                        {200, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR}};
  for (const Case& c : cases) {
    const std::string path = "filter" + std::to_string(c.flag) + ".png";
    work.WriteFile(path, brisa_test::EncodePng(2, 2, 3, std::vector<uint8_t>(12, 5)));
    manager.filterLinear = c.flag;
    const Texture& texture = Load(path);
    manager.filterLinear = c.flag == 0 ? 1 : 0;
    EXPECT_EQ(&Load(path), &texture);
    EXPECT_EQ(Parameter(texture, GL_TEXTURE_MIN_FILTER), c.minFilter) << int(c.flag);
    EXPECT_EQ(Parameter(texture, GL_TEXTURE_MAG_FILTER), c.magFilter) << int(c.flag);
  }
}

TEST_F(TextureTest, NewImageTextureRecord) {
  work.WriteFile("rec.png", brisa_test::EncodePng(5, 3, 4, std::vector<uint8_t>(5 * 3 * 4, 1)));
  const Texture& texture = Load("rec.png");
  EXPECT_NE(texture.texture, 0u);
  EXPECT_TRUE(glIsTexture(texture.texture));
  EXPECT_EQ(texture.renderbuffer, 0u);
  EXPECT_EQ(texture.framebuffer, 0u);
  EXPECT_EQ(texture.width, 5);
  EXPECT_EQ(texture.height, 3);
  for (float component : texture.color) EXPECT_EQ(component, 1.0f);
  for (float component : texture.colorAdd) EXPECT_EQ(component, 0.0f);
  EXPECT_EQ(texture.blendMode, BlendAlpha);
}

TEST_F(TextureTest, UnreadableImagesAreRefusedWithTheirLine) {
  const std::string png = brisa_test::EncodePng(16, 16, 4, std::vector<uint8_t>(16 * 16 * 4, 77));
  struct Case {
    const char* path;
    std::string bytes;
    bool write;
  };
  const Case cases[] = {{"missing.png", "", false},
                        {"empty.png", "", true},
                        {"text.png", "this is not an image\n", true},
                        {"truncated.png", png.substr(0, png.size() / 2), true},
                        {"header-only.png", png.substr(0, 33), true}};
  for (const Case& c : cases) {
    if (c.write) work.WriteFile(c.path, c.bytes);
    ConsoleCapture console;
    EXPECT_EQ(manager.CreateTextureFromFile(c.path), -1) << c.path;
    EXPECT_EQ(console.Stderr(false), std::string("Error when loading image: ") + c.path +
                                         ": stbi_load ERROR.\n");
    EXPECT_EQ(console.Stdout(false), "");
  }
  EXPECT_TRUE(manager.textures.empty());
  EXPECT_TRUE(manager.textureByName.empty());
}

// Decodable, but wider than the driver takes: refused as unreadable rather than registered empty.
TEST_F(TextureTest, PictureLargerThanTheDriverTakesIsRefusedWithTheLine) {
  const GLint tooWide = GetInteger(GL_MAX_TEXTURE_SIZE) + 1;
  work.WriteFile("wide.pgm", "P5\n" + std::to_string(tooWide) + " 1\n255\n" + std::string(size_t(tooWide), '\x40'));
  ConsoleCapture console;
  EXPECT_EQ(manager.CreateTextureFromFile("wide.pgm"), -1);
  EXPECT_EQ(console.Stderr(false), "Error when loading image: wide.pgm: stbi_load ERROR.\n");
  EXPECT_TRUE(manager.textures.empty());
}

TEST_F(TextureTest, BindSelectsTheUnitTheTextureAndItsBlendFunction) {
  struct Case {
    int32_t mode;
    GLint srcRgb, dstRgb, srcAlpha, dstAlpha;
  };
  const Case cases[] = {
      {BlendAdditive, GL_SRC_ALPHA, GL_ONE, GL_SRC_ALPHA, GL_ONE},
      {BlendMultiply, GL_DST_COLOR, GL_ZERO, GL_DST_COLOR, GL_ZERO},
      {BlendAlpha, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE},
      // Unknown modes leave the function as it was set just before.
      {7, GL_CONSTANT_COLOR, GL_ONE_MINUS_CONSTANT_ALPHA, GL_ZERO, GL_SRC_COLOR},
      {-1, GL_CONSTANT_COLOR, GL_ONE_MINUS_CONSTANT_ALPHA, GL_ZERO, GL_SRC_COLOR},
  };
  Texture texture;
  glGenTextures(1, &texture.texture);
  for (const Case& c : cases) {
    glBlendFuncSeparate(GL_CONSTANT_COLOR, GL_ONE_MINUS_CONSTANT_ALPHA, GL_ZERO, GL_SRC_COLOR);
    glActiveTexture(GL_TEXTURE0);
    texture.blendMode = c.mode;
    texture.Bind(GL_TEXTURE2);
    EXPECT_EQ(GetInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE2);
    EXPECT_EQ(GetInteger(GL_TEXTURE_BINDING_2D), static_cast<GLint>(texture.texture));
    EXPECT_EQ(GetInteger(GL_BLEND_SRC_RGB), c.srcRgb) << "mode " << c.mode;
    EXPECT_EQ(GetInteger(GL_BLEND_DST_RGB), c.dstRgb) << "mode " << c.mode;
    EXPECT_EQ(GetInteger(GL_BLEND_SRC_ALPHA), c.srcAlpha) << "mode " << c.mode;
    EXPECT_EQ(GetInteger(GL_BLEND_DST_ALPHA), c.dstAlpha) << "mode " << c.mode;
    glBindTexture(GL_TEXTURE_2D, 0);
  }
  glDeleteTextures(1, &texture.texture);
}

}  // namespace
