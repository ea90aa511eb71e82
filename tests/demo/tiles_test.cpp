// The tile grid over the screen grab: cells, screen positions (with the 854-wide wrap), random
// velocities in draw order, and the fall with its floor at the bottom of the screen.
#include <cmath>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "config/screen.h"
#include "demo/tile_shatter.h"
#include "resources/resource_manager.h"
#include "support/registrations_guard.h"

namespace {

struct GridBuild {
  int width;
  int tileSize;
  int cell;  // the screen texture's width / 16 and height / 9
  // Tile 143, the last of row 8.
  float lastX;
  float lastY;
};

const GridBuild& ThisBuild() {
  static const GridBuild builds[] = {{854, 53, 53, 747.0f, 424.0f},
                                     {1280, 80, 80, 1200.0f, 640.0f},
                                     {1920, 120, 120, 1800.0f, 960.0f}};
  for (const GridBuild& b : builds) {
    if (b.width == ScreenWidth) return b;
  }
  ADD_FAILURE() << "no expectations for width " << ScreenWidth;
  return builds[0];
}

TEST(TileGridTest, TilesCoverTheScreenPieceTheyShow) {
  const GridBuild& build = ThisBuild();
  EXPECT_EQ(TileSizePx, build.tileSize);
  TileShatter tiles;
  tiles.LayOut(5, ScreenWidth, ScreenHeight);
  EXPECT_EQ(tiles.renderTexture, 5);
  for (int i = 0; i < TileCount; ++i) {
    const int row = i / TileColumns;
    const TextureRect& source = tiles.sourceRects[i];
    EXPECT_EQ(source.x, (build.cell * i) % ScreenWidth) << "tile " << i;
    EXPECT_EQ(source.y, row * build.cell) << "tile " << i;
    EXPECT_EQ(source.width, build.cell);
    EXPECT_EQ(source.height, build.cell);
    EXPECT_EQ(tiles.positions[i].x, static_cast<float>(source.x)) << "tile " << i;
    EXPECT_EQ(tiles.positions[i].y, static_cast<float>(row * build.tileSize)) << "tile " << i;
    EXPECT_EQ(tiles.positions[i].z, 0.0f);
  }
  EXPECT_EQ(tiles.positions[143].x, build.lastX);
  EXPECT_EQ(tiles.positions[143].y, build.lastY);
  EXPECT_EQ(tiles.startMs, 0);
}

TEST(TileGridTest, InTheNarrowBuildEachRowShiftsLeftAndWrapsItsFirstTile) {
  if (ScreenWidth != 854) GTEST_SKIP() << "16 tiles fill the width of this build";
  TileShatter tiles;
  tiles.LayOut(0, ScreenWidth, ScreenHeight);
  for (int i = 0; i < TileCount; ++i) {
    const int column = i % TileColumns;
    const int row = i / TileColumns;
    const int expected = ((53 * column - 6 * row) % 854 + 854) % 854;
    EXPECT_EQ(tiles.positions[i].x, static_cast<float>(expected)) << "tile " << i;
  }
  EXPECT_EQ(tiles.positions[16].x, 848.0f);
  EXPECT_EQ(tiles.sourceRects[16].x, 848);
  EXPECT_EQ(tiles.positions[17].x, 47.0f);
}

TEST(TileGridTest, VelocitiesComeFromTwoDrawsPerTileXFirst) {
  std::srand(4242);
  int draws[2 * TileCount + 1];
  for (int& d : draws) d = std::rand();
  std::srand(4242);
  TileShatter tiles;
  tiles.LayOut(0, ScreenWidth, ScreenHeight);
  for (int i = 0; i < TileCount; ++i) {
    const glm::vec3& v = tiles.velocities[i];
    EXPECT_EQ(v.x, static_cast<float>(draws[2 * i] % 75 - 25) / 10.0f) << "tile " << i;
    EXPECT_EQ(v.y, static_cast<float>(draws[2 * i + 1] % 75 - 25) / 10.0f) << "tile " << i;
    EXPECT_EQ(v.z, 0.0f);
    EXPECT_GE(v.x, -2.5f);
    EXPECT_LE(v.y, 4.9f + 1e-6f);
  }
  EXPECT_EQ(std::rand(), draws[2 * TileCount]) << "exactly 288 draws";
}

TEST(TileGridTest, SetUpReadsTheTextureSizeAndSkipsIdsThatNameNothing) {
  CreateResourceManager();
  Texture screen;
  Texture empty;
  // The two textures leave the process's manager before they go.
  const brisa_test::RegistrationsGuard registrations;
  screen.width = ScreenWidth;
  screen.height = ScreenHeight;
  const int id = gResourceManager->RegisterTexture("tiles-test-screen", &screen);
  TileShatter laidOut;
  laidOut.SetUp(id);
  EXPECT_EQ(laidOut.renderTexture, id);
  EXPECT_EQ(laidOut.sourceRects[143].y, 8 * (ScreenHeight / 9));

  const int emptyId = gResourceManager->RegisterTexture("tiles-test-empty", &empty);
  for (int bad : {-1, 100000, emptyId}) {
    std::srand(99);
    const int next = std::rand();
    std::srand(99);
    TileShatter tiles;
    tiles.SetUp(bad);
    EXPECT_EQ(tiles.renderTexture, -1) << "id " << bad;
    EXPECT_EQ(tiles.positions[143], glm::vec3(0.0f)) << "id " << bad;
    EXPECT_EQ(tiles.sourceRects[143].width, 0) << "id " << bad;
    EXPECT_EQ(std::rand(), next) << "no draws for id " << bad;
  }
}

struct FallCase {
  const char* name;
  float startY;
  float velocityY;
  bool moves;
};

class TileFall : public ::testing::TestWithParam<FallCase> {};

TEST_P(TileFall, TilesFallUntilTheyReachTheBottomOfTheScreen) {
  const FallCase& c = GetParam();
  TileShatter tiles;
  tiles.startMs = 10000;
  tiles.positions[7] = glm::vec3(100.0f, c.startY, 1.0f);
  tiles.velocities[7] = glm::vec3(-1.5f, c.velocityY, 0.5f);
  tiles.Fall(10000);
  EXPECT_EQ(tiles.positions[7], glm::vec3(100.0f, c.startY, 1.0f)) << "the grab frame moves nothing";

  tiles.Fall(10500);  // a = 0.5^2 x 0.5
  if (!c.moves) {
    EXPECT_EQ(tiles.positions[7], glm::vec3(100.0f, c.startY, 1.0f));
    EXPECT_EQ(tiles.velocities[7].y, c.velocityY);
    return;
  }
  EXPECT_FLOAT_EQ(tiles.velocities[7].y, c.velocityY + 0.125f);
  EXPECT_FLOAT_EQ(tiles.positions[7].y, c.startY + c.velocityY + 0.125f);
  EXPECT_FLOAT_EQ(tiles.positions[7].x, 98.5f);
  EXPECT_FLOAT_EQ(tiles.positions[7].z, 1.5f);
}

const float H = static_cast<float>(ScreenHeight);

INSTANTIATE_TEST_SUITE_P(Bounds, TileFall,
                         ::testing::Values(FallCase{"Top", 0.0f, 2.0f, true},
                                           FallCase{"Upwards", 200.0f, -2.5f, true},
                                           FallCase{"JustAboveTheBottom", H - 0.5f, 0.0f, true},
                                           FallCase{"AtTheBottom", H, 0.0f, false},
                                           FallCase{"BelowTheScreen", H + 40.0f, 3.0f, false}),
                         [](const ::testing::TestParamInfo<FallCase>& info) { return info.param.name; });

TEST(TileFallTest, GravityGrowsWithTheSquareOfTheTimeSinceTheGrab) {
  TileShatter tiles;
  tiles.startMs = 5000;
  tiles.Fall(6000);  // a = 0.5
  tiles.Fall(7000);  // a = 2
  EXPECT_FLOAT_EQ(tiles.velocities[0].y, 2.5f);
  EXPECT_FLOAT_EQ(tiles.positions[0].y, 0.5f + 2.5f);
  // Every other tile at the top row fell alike.
  EXPECT_FLOAT_EQ(tiles.positions[143].y, 3.0f);
}

TEST(TileFallTest, ATileLandsOnceAndStaysBelowTheScreen) {
  TileShatter tiles;
  tiles.startMs = 1000;
  tiles.positions[0].y = H - 1.0f;
  tiles.velocities[0].y = 4.0f;
  tiles.Fall(1016);
  const glm::vec3 landed = tiles.positions[0];
  EXPECT_GE(landed.y, H);
  for (int frame = 2; frame < 50; ++frame) tiles.Fall(1000 + frame * 16);
  EXPECT_EQ(tiles.positions[0], landed);
}

}  // namespace
