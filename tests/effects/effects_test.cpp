// The four full-screen effects as the show sets them up: they link on the real driver, see their
// inputs, draw a picture with something in it, and answer the music; their backgrounds decode.
#include <stb_image.h>

#include <cmath>
#include <string>
#include <vector>

#include "config/screen.h"
#include "demo/music_state.h"
#include "resources/resource_manager.h"
#include "resources/shader_effect.h"
#include "support/gl_context.h"
#include "support/work_dir.h"
#include "tests/effects/effect_shots.h"

namespace {

using brisa_test::StagedPath;

struct Frame {
  std::vector<uint8_t> rgba;

  double MeanAbsoluteDifference(const Frame& other) const {
    double sum = 0.0;
    for (size_t i = 0; i < rgba.size(); ++i) sum += std::abs(int(rgba[i]) - int(other.rgba[i]));
    return sum / double(rgba.size());
  }

  // Standard deviation of the luma: a flat fill has none.
  double LumaSpread() const {
    double sum = 0.0, sumSquares = 0.0;
    const size_t pixels = rgba.size() / 4;
    for (size_t p = 0; p < pixels; ++p) {
      const double luma = 0.3 * rgba[4 * p] + 0.59 * rgba[4 * p + 1] + 0.11 * rgba[4 * p + 2];
      sum += luma;
      sumSquares += luma * luma;
    }
    const double mean = sum / double(pixels);
    return std::sqrt(sumSquares / double(pixels) - mean * mean);
  }
};

class EffectTest : public brisa_test::GlTest, public ::testing::WithParamInterface<EffectSetup> {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    if (gResourceManager == nullptr) CreateResourceManager();
    dir_.CopyStagedShaders();
    for (const char* background : {"Assets/BGVapor.jpg", "Assets/beach.jpg", "Assets/streets.jpg", "Assets/city.png"}) {
      ASSERT_TRUE(dir_.CopyStagedAsset(background)) << background;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, ScreenWidth, ScreenHeight);
  }

  Frame Draw(ShaderEffect& effect, int32_t timeMs, int32_t order, int32_t row, bool beat) {
    demoClock.timeMs = timeMs;
    musicSnapshot = MusicSnapshot{};
    musicSnapshot.order = order;
    musicSnapshot.row = row;
    musicSnapshot.rowInstrument[2] = beat ? BeatInstrument : 0;
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    effect.Draw();
    Frame frame{std::vector<uint8_t>(size_t(ScreenWidth) * ScreenHeight * 4)};
    glReadPixels(0, 0, ScreenWidth, ScreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, frame.rgba.data());
    return frame;
  }

  brisa_test::ScopedWorkDir dir_;
};

TEST_P(EffectTest, LinksAndFindsItsInputs) {
  const EffectSetup& setup = GetParam();
  ShaderEffect* effect = LoadEffectWithBackgrounds(setup);
  ASSERT_NE(effect, nullptr) << setup.name;
  EXPECT_NE(effect->timeLocation, -1);
  EXPECT_NE(effect->resolutionLocation, -1);
  EXPECT_NE(effect->modDataLocation, -1);
  for (int unit = 0; unit < setup.textureCount; ++unit) {
    EXPECT_NE(effect->textureLocations[unit], -1) << "texTex" << unit + 1;
    const int backgroundId = gResourceManager->GetTexture(setup.backgrounds[unit]);
    EXPECT_GE(backgroundId, 0) << setup.backgrounds[unit];
    EXPECT_EQ(effect->textureIds[unit], backgroundId) << setup.backgrounds[unit];
  }
}

TEST_P(EffectTest, DrawsAPictureThatMovesWithTimeAndAnswersTheBeat) {
  const EffectSetup& setup = GetParam();
  ShaderEffect* effect = LoadEffectWithBackgrounds(setup);
  ASSERT_NE(effect, nullptr) << setup.name;
  const Frame still = Draw(*effect, 60000, setup.firstOrder, 1, false);
  const Frame later = Draw(*effect, 61500, setup.firstOrder, 1, false);
  const Frame onBeat = Draw(*effect, 60000, setup.firstOrder, 1, true);

  EXPECT_GT(still.LumaSpread(), 20.0) << setup.name << " draws a nearly flat picture";
  EXPECT_GT(still.MeanAbsoluteDifference(later), 0.5) << setup.name << " does not move with fGlobalTime";
  EXPECT_GT(still.MeanAbsoluteDifference(onBeat), 0.5) << setup.name << " does not answer the beat in MODData";
}

INSTANTIATE_TEST_SUITE_P(Effects, EffectTest, ::testing::ValuesIn(EffectSetups),
                         [](const ::testing::TestParamInfo<EffectSetup>& info) { return std::string(info.param.name); });

struct BackgroundExpectation {
  const char* path;
  int channels;
};

// The uploads take 3 or 4 channels; the effects sample these as whole pictures, so they must be large.
TEST(EffectBackgrounds, DecodeWithTheChannelsTheirUploadTakes) {
  const BackgroundExpectation backgrounds[] = {
      {"Assets/BGVapor.jpg", 3}, {"Assets/beach.jpg", 3}, {"Assets/streets.jpg", 3}, {"Assets/city.png", 4}};
  for (const BackgroundExpectation& expected : backgrounds) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load(StagedPath(expected.path).c_str(), &width, &height, &channels, 0);
    ASSERT_NE(pixels, nullptr) << expected.path;
    stbi_image_free(pixels);
    EXPECT_EQ(channels, expected.channels) << expected.path;
    EXPECT_GE(width, 512) << expected.path;
    EXPECT_GE(height, 256) << expected.path;
  }
}

}  // namespace
