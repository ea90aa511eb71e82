// The tools' image files: PNGs of every channel count read back as written, JPEGs near their
// colours, and a failed write said or left unsaid as the caller asks.
#include <gtest/gtest.h>
#include <stb_image.h>

#include <memory>
#include <string>

#include "support/console_capture.h"
#include "support/work_dir.h"
#include "tools/common/image.h"

namespace {

using brisa_test::ConsoleCapture;
using brisa_test::ScopedWorkDir;
using tools::FailQuietly;
using tools::ReportFailure;

struct Decoded {
  int width = 0, height = 0, channels = 0;
  std::unique_ptr<uint8_t, void (*)(void*)> pixels{nullptr, stbi_image_free};
};

Decoded Decode(const std::string& path) {
  Decoded decoded;
  decoded.pixels.reset(stbi_load(path.c_str(), &decoded.width, &decoded.height, &decoded.channels, 0));
  return decoded;
}

// Every byte different, so a swapped channel, a wrong row stride or a flipped row shows.
tools::Image Numbered(int width, int height, int channels) {
  tools::Image image(width, height, channels);
  for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<uint8_t>(i * 7 + 3);
  return image;
}

class ImageFiles : public ::testing::TestWithParam<int> {};

TEST_P(ImageFiles, PngReadsBackByteForByte) {
  ScopedWorkDir dir;
  const int channels = GetParam();
  const tools::Image image = Numbered(5, 3, channels);
  ASSERT_TRUE(tools::WritePng("numbered.png", image, ReportFailure));
  const Decoded decoded = Decode("numbered.png");
  ASSERT_TRUE(decoded.pixels) << stbi_failure_reason();
  EXPECT_EQ(decoded.width, 5);
  EXPECT_EQ(decoded.height, 3);
  ASSERT_EQ(decoded.channels, channels);
  for (size_t i = 0; i < image.pixels.size(); ++i) ASSERT_EQ(decoded.pixels.get()[i], image.pixels[i]) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(EveryChannelCount, ImageFiles, ::testing::Values(1, 2, 3, 4));

TEST(ImageFile, JpegKeepsItsSizeAndColour) {
  ScopedWorkDir dir;
  tools::Image image(16, 8, 3);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) image.Set(x, y, {200, 40, 120});
  ASSERT_TRUE(tools::WriteJpeg("flat.jpg", image, 92, ReportFailure));
  const Decoded decoded = Decode("flat.jpg");
  ASSERT_TRUE(decoded.pixels) << stbi_failure_reason();
  EXPECT_EQ(decoded.width, 16);
  EXPECT_EQ(decoded.height, 8);
  ASSERT_EQ(decoded.channels, 3);
  const uint8_t* centre = decoded.pixels.get() + (4 * 16 + 8) * 3;
  EXPECT_NEAR(centre[0], 200, 4);
  EXPECT_NEAR(centre[1], 40, 4);
  EXPECT_NEAR(centre[2], 120, 4);
}

// The generators report the file themselves; the capture reports it in its own words later.
TEST(ImageFile, AFailedWriteIsSaidOnlyWhenAsked) {
  ScopedWorkDir dir;
  const tools::Image image = Numbered(2, 2, 3);
  const std::string path = dir.path() + "/no such folder/picture.png";
  ConsoleCapture console;
  EXPECT_FALSE(tools::WritePng(path, image, FailQuietly));
  EXPECT_FALSE(tools::WriteJpeg(path, image, 92, FailQuietly));
  EXPECT_EQ(console.Stderr(), "");
  EXPECT_FALSE(tools::WritePng(path, image, ReportFailure));
  EXPECT_EQ(console.Stderr(), "cannot write " + path + "\n");
  EXPECT_FALSE(tools::WriteJpeg(path, image, 92, ReportFailure));
  EXPECT_EQ(console.Stderr(), "cannot write " + path + "\ncannot write " + path + "\n");
  EXPECT_EQ(console.Stdout(), "");
}

TEST(ImageColour, SetChangesTheColourAndLeavesAlpha) {
  tools::Image image(2, 1, 4);
  image.Pixel(1, 0)[3] = 77;
  image.Set(1, 0, {10, 20, 30});
  const tools::Rgb colour = image.At(1, 0);
  EXPECT_EQ(colour.r, 10);
  EXPECT_EQ(colour.g, 20);
  EXPECT_EQ(colour.b, 30);
  EXPECT_EQ(image.Pixel(1, 0)[3], 77);
  EXPECT_EQ(image.Pixel(0, 0)[0], 0) << "the neighbour is untouched";
}

}  // namespace
