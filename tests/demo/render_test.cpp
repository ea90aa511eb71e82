// RenderDemo on the real driver: each state's draw list and fade rule, probed in the framebuffer.
#include <initializer_list>
#include <string>

#include <glm/gtc/matrix_transform.hpp>

#include "demo/render.h"
#include "demo/scene.h"
#include "demo/song_positions.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"
#include "scene_fixture.h"
#include "support/demo_assets.h"

namespace {

using brisa_test::FixtureColor;
using brisa_test::IsBlack;
using brisa_test::Near;
using brisa_test::Rgba;

constexpr FixtureColor FadeGreen{0, 255, 0};

Rgba Pixel(int x, int y) {
  return brisa_test::ReadPixelTopDown(x, y, ScreenHeight);
}

// `top` blended at `alpha` over `under`, as the overlay's blend function mixes them.
FixtureColor Over(FixtureColor top, uint8_t alpha, FixtureColor under) {
  const auto mix = [alpha](int t, int u) {
    return static_cast<uint8_t>((t * alpha + u * (255 - alpha) + 127) / 255);
  };
  return {mix(top.r, under.r), mix(top.g, under.g), mix(top.b, under.b)};
}

// The middle of a fixed sprite's destination in this build.
struct Point {
  int x;
  int y;
};
Point CentreOf(const FixedSprite& sprite) {
  const SpriteDestination at = ScaleDestination(sprite.design);
  return {at.x + at.width / 2, at.y + at.height / 2};
}

// Sprite probes see only sprites: the 3D objects hidden, no fade.
class RenderDemoTest : public brisa_test::DemoSceneTest {
 protected:
  void SetUp() override {
    brisa_test::DemoSceneTest::SetUp();
    plane->hidden = true;
    flamingo->hidden = true;
    windsurf->hidden = true;
    fade->alpha = 0;
  }
  static void Draw(int state, int32_t order, int32_t row = 0) {
    timelineState = state;
    musicSnapshot.order = order;
    musicSnapshot.row = row;
    RenderDemo();
  }
};

TEST_F(RenderDemoTest, IntroShowsEachTitleCardAtItsOrderAndRow) {
  struct Case {
    int32_t order;
    int32_t row;
    const FixedSprite* card;
    FixtureColor color;
    bool shown;
  };
  const SongPosition card1 = TitleCard1From, card2 = TitleCard2From, card3 = TitleCard3From;
  const Case cases[] = {
      {card1.order, card1.row - 1, &TitleCard1, brisa_test::TitleCard1Color, false},
      {card1.order, card1.row, &TitleCard1, brisa_test::TitleCard1Color, true},
      {card2.order, card2.row - 1, &TitleCard2, brisa_test::TitleCard2Color, false},
      {card2.order, card2.row, &TitleCard2, brisa_test::TitleCard2Color, true},
      {card3.order, card3.row - 1, &TitleCard3, brisa_test::TitleCard3Color, false},
      {card3.order, card3.row, &TitleCard3, brisa_test::TitleCard3Color, true},
      {card3.order + 1, card3.row, &TitleCard3, brisa_test::TitleCard3Color, false},
      {card2.order, 40, &TitleCard1, brisa_test::TitleCard1Color, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "order " << c.order << " row " << c.row);
    Draw(SceneIntro, c.order, c.row);
    const Point p = CentreOf(*c.card);
    if (c.shown) {
      EXPECT_TRUE(Near(Pixel(p.x, p.y), c.color)) << Pixel(p.x, p.y);
    } else {
      EXPECT_FALSE(Near(Pixel(p.x, p.y), c.color)) << Pixel(p.x, p.y);
    }
  }
}

TEST_F(RenderDemoTest, SpriteCornersLandOnTheScaledDestination) {
  Draw(SceneIntro, TitleCard1From.order, TitleCard1From.row);
  const SpriteDestination at = ScaleDestination(TitleCard1.design);
  EXPECT_TRUE(Near(Pixel(at.x + 1, at.y + 1), brisa_test::TitleCard1Color));
  EXPECT_TRUE(Near(Pixel(at.x + at.width - 2, at.y + at.height - 2), brisa_test::TitleCard1Color));
  EXPECT_TRUE(IsBlack(Pixel(at.x - 2, at.y + 1))) << Pixel(at.x - 2, at.y + 1);
  EXPECT_TRUE(IsBlack(Pixel(at.x + 1, at.y + at.height + 1))) << Pixel(at.x + 1, at.y + at.height + 1);
}

TEST_F(RenderDemoTest, FadeOverlayFollowsTheStateRule) {
  struct Case {
    const char* what;
    int state;
    int32_t order;
    bool covered;
  };
  const Case cases[] = {
      {"intro", SceneIntro, 0, true},
      {"windsurf before the sailing", SceneWindsurf, WindsurfOrder, true},
      {"windsurf from the sailing on", SceneWindsurf, SailingOrder, false},
      {"credits", SceneCredits, CreditsOrder, true},
      {"shatter", SceneShatter, ShatterOrder, true},
      {"greetings", SceneGreetings, GreetingsOrder, true},
      {"papagayo", ScenePapagayo, PapagayoOrder, false},
      {"finale", SceneFinale, FinaleOrder, true},
      {"before start", SceneBeforeStart, 0, false},
      {"unknown state", 7, 0, false},
  };
  fade->alpha = 255;
  fade->argb = 0xFF00FF00u;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Draw(c.state, c.order);
    for (const Point p : {Point{0, 0}, Point{ScreenWidth - 1, ScreenHeight - 1}, Point{ScreenWidth / 2, 5}}) {
      EXPECT_EQ(Near(Pixel(p.x, p.y), FadeGreen), c.covered) << Pixel(p.x, p.y);
    }
  }
  fade->alpha = 0;
  Draw(SceneIntro, 0);
  EXPECT_TRUE(IsBlack(Pixel(0, 0))) << Pixel(0, 0) << "alpha 0 draws no overlay, whatever argb holds";
}

// A half-opaque overlay over a sprite shows both, so the probe tells which was drawn last.
TEST_F(RenderDemoTest, FadeOverlayIsDrawnOverTheSprites) {
  struct Case {
    const char* what;
    int state;
    int32_t order;
    int32_t row;
    Point probe;
    FixtureColor sprite;
  };
  const int tileMiddle = 10 + TileSizePx / 2;
  const Case cases[] = {
      {"intro title card", SceneIntro, TitleCard1From.order, TitleCard1From.row, CentreOf(TitleCard1),
       brisa_test::TitleCard1Color},
      {"windsurf logo", SceneWindsurf, WindsurfOrder, 0, CentreOf(LogoSprite), brisa_test::LogoColor},
      {"credits title", SceneCredits, CreditsOrder, 0,
       {ScaleDesign(DesignCreditsX) + ScaleDesign(540), ScaleDesign(DesignCreditsTitleY) + ScaleDesign(30)},
       brisa_test::CreditsTitleColors[0]},
      {"shatter tile", SceneShatter, ShatterOrder, 0, {tileMiddle, tileMiddle}, brisa_test::ParrotColor},
      {"greeting", SceneGreetings, GreetingsOrder + 3, 0, {110, 105}, brisa_test::GreetsColor},
      {"finale lyrics", SceneFinale, FourthLyricOrder, 0, {20, 110}, brisa_test::LyricsColors[2]},
  };
  creditsTitleRect = {0, 0, 1080, 60};
  // Cut from the one-colour parrot picture, which leaves the shared "Screenshot" texture as it is.
  tiles->renderTexture = papagayoTexture;
  for (glm::vec3& at : tiles->positions) at = {0.0f, static_cast<float>(ScreenHeight), 0.0f};
  tiles->positions[0] = {10.0f, 10.0f, 0.0f};
  greets->state = GreetHolding;
  greets->alpha = 255;
  greets->position = {100.0f, 100.0f};
  greets->appearMs = demoClock.timeMs;
  lyricsRect = {0, 128, 2048, 64};
  lyricsPosition = {10.0f, 100.0f};
  constexpr FixtureColor White{255, 255, 255};
  constexpr uint8_t HalfOpaque = 128;
  fade->alpha = HalfOpaque;
  fade->argb = 0x80FFFFFFu;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Draw(c.state, c.order, c.row);
    const Rgba seen = Pixel(c.probe.x, c.probe.y);
    EXPECT_TRUE(Near(seen, Over(White, HalfOpaque, c.sprite))) << seen << ": the sprite's own colour means the "
                                                                   "overlay went under it";
  }
}

TEST_F(RenderDemoTest, StatesOutsideTheShowDrawOnlyTheClear) {
  for (int state : std::initializer_list<int>{SceneBeforeStart, 7, -5}) {
    SCOPED_TRACE(state);
    Draw(state, 0, 40);
    EXPECT_TRUE(IsBlack(Pixel(ScreenWidth / 2, ScreenHeight / 2))) << Pixel(ScreenWidth / 2, ScreenHeight / 2);
  }
}

TEST_F(RenderDemoTest, WindsurfShowsTheLogoOnlyBeforeTheSailing) {
  const Point p = CentreOf(LogoSprite);
  Draw(SceneWindsurf, WindsurfOrder);
  EXPECT_TRUE(Near(Pixel(p.x, p.y), brisa_test::LogoColor)) << "the logo comes from source row 430 on";
  Draw(SceneWindsurf, SailingOrder);
  EXPECT_TRUE(IsBlack(Pixel(p.x, p.y))) << Pixel(p.x, p.y);
}

TEST_F(RenderDemoTest, EffectSectionsDrawTheirOwnEffectBehindTheSprites) {
  struct Case {
    int state;
    int32_t order;
    FixtureColor effect;
  };
  const Case cases[] = {
      {SceneCredits, CreditsOrder + 1, brisa_test::RoadEffectColor},
      {SceneShatter, ShatterOrder, brisa_test::PalmsEffectColor},
      {SceneGreetings, GreetingsOrder, brisa_test::CityEffectColor},
      {ScenePapagayo, PapagayoOrder, brisa_test::CityEffectColor},
      {SceneFinale, FinaleOrder, brisa_test::JailTunnelEffectColor},
  };
  // Every sprite out of the probe's way: the tiles below the screen, the greetings done, the parrot
  // and the lyrics off to the sides.
  for (glm::vec3& at : tiles->positions) at = {0.0f, static_cast<float>(ScreenHeight), 0.0f};
  greets->done = true;
  papagayoX = -844.0f;
  lyricsPosition = {static_cast<float>(ScreenWidth), 0.0f};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    Draw(c.state, c.order);
    EXPECT_TRUE(Near(Pixel(ScreenWidth - 3, ScreenHeight - 3), c.effect)) << Pixel(ScreenWidth - 3, ScreenHeight - 3);
  }
}

TEST_F(RenderDemoTest, CreditsDrawTheRowsTheTimelineSelects) {
  struct Case {
    int32_t titleY;
    uint16_t titleHeight;
    int32_t nameY;
    FixtureColor title;
    FixtureColor name;
  };
  const Case cases[] = {
      {0, 60, 180, brisa_test::CreditsTitleColors[0], brisa_test::CreditsNameColors[0]},
      {60, 60, 270, brisa_test::CreditsTitleColors[1], brisa_test::CreditsNameColors[1]},
      {120, 60, 180, brisa_test::CreditsTitleColors[2], brisa_test::CreditsNameColors[0]},
  };
  const int x = ScaleDesign(DesignCreditsX) + ScaleDesign(540);
  const int titleY = ScaleDesign(DesignCreditsTitleY) + ScaleDesign(30);
  const int nameY = ScaleDesign(DesignCreditsNameY) + ScaleDesign(45);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.titleY);
    creditsTitleRect = {0, c.titleY, 1080, c.titleHeight};
    creditsNameRect = {0, c.nameY, 1080, 90};
    Draw(SceneCredits, SecondCreditOrder);
    EXPECT_TRUE(Near(Pixel(x, titleY), c.title)) << Pixel(x, titleY);
    EXPECT_TRUE(Near(Pixel(x, nameY), c.name)) << Pixel(x, nameY);
  }
  creditsTitleRect.height = 0;
  creditsNameRect.height = 0;
  Draw(SceneCredits, SecondCreditOrder + 1);
  EXPECT_TRUE(Near(Pixel(x, titleY), brisa_test::RoadEffectColor)) << "height 0 shows nothing";
  EXPECT_TRUE(Near(Pixel(x, nameY), brisa_test::RoadEffectColor));
}

TEST_F(RenderDemoTest, LyricsStripAppearsOnlyInItsOrders) {
  struct Case {
    int state;
    int32_t order;
    bool shown;
  };
  const Case cases[] = {
      {SceneCredits, FirstLyricOrder, true},   {SceneCredits, FirstLyricOrder - 1, false},
      {SceneShatter, SecondLyricOrder, true},  {SceneShatter, ShatterOrder, false},
      {SceneFinale, FourthLyricOrder, true},
  };
  for (TextureRect& rect : tiles->sourceRects) rect.height = 0;
  lyricsRect = {0, 128, 2048, 64};
  lyricsPosition = {-300.7f, 100.9f};
  creditsTitleRect.height = 0;
  creditsNameRect.height = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.state << "/" << c.order);
    Draw(c.state, c.order);
    EXPECT_EQ(Near(Pixel(10, 110), brisa_test::LyricsColors[2]), c.shown) << Pixel(10, 110);
  }
  Draw(SceneFinale, ClosingOrder);
  EXPECT_TRUE(Near(Pixel(10, 101), brisa_test::LyricsColors[2])) << "y 100.9 truncates to 100";
  EXPECT_FALSE(Near(Pixel(10, 99), brisa_test::LyricsColors[2]));
}

// Fills the "Screenshot" render texture with one colour, as the grab would leave it.
void FillScreenshot(FixtureColor color) {
  const Texture* shot = gResourceManager->TextureById(gEngine->screenshotTexture);
  ASSERT_NE(shot, nullptr);
  glBindFramebuffer(GL_FRAMEBUFFER, shot->framebuffer);
  glViewport(0, 0, shot->width, shot->height);
  glClearColor(color.r / 255.0f, color.g / 255.0f, color.b / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

TEST_F(RenderDemoTest, TilesAreDrawnWhileAboveTheScreenBottom) {
  constexpr FixtureColor TileColor{0, 200, 200};
  FillScreenshot(TileColor);
  for (glm::vec3& at : tiles->positions) at = {0.0f, static_cast<float>(ScreenHeight), 0.0f};
  tiles->positions[0] = {10.9f, 10.2f, 0.0f};
  tiles->positions[1] = {ScreenWidth / 2.0f, ScreenHeight - 0.5f, 0.0f};
  tiles->positions[2] = {-static_cast<float>(TileSizePx) / 2, -1e9f, 0.0f};
  Draw(SceneShatter, ShatterOrder);
  EXPECT_TRUE(Near(Pixel(9, 10 + TileSizePx / 2), brisa_test::PalmsEffectColor)) << "x 10.9 starts at 10";
  EXPECT_TRUE(Near(Pixel(10, 10), TileColor));
  EXPECT_TRUE(Near(Pixel(10 + TileSizePx / 2, 10 + TileSizePx / 2), TileColor));
  EXPECT_TRUE(Near(Pixel(10 + TileSizePx - 1, 10 + TileSizePx - 1), TileColor)) << "drawn at the build's tile size";
  EXPECT_TRUE(Near(Pixel(ScreenWidth / 2 + 3, ScreenHeight - 1), TileColor)) << "y = H - 0.5 is still drawn";
  EXPECT_TRUE(Near(Pixel(ScreenWidth / 2 + 3, ScreenHeight - 2), brisa_test::PalmsEffectColor));
  EXPECT_TRUE(Near(Pixel(ScreenWidth - 3, 3), brisa_test::PalmsEffectColor));
}

TEST_F(RenderDemoTest, ParrotSlidesInFromTheLeftInDesignPixels) {
  const int y = ScaleDesign(DesignParrotY) + ScaleDesign(500);
  greets->done = true;
  papagayoX = 0.0f;
  Draw(ScenePapagayo, PapagayoOrder);
  EXPECT_TRUE(Near(Pixel(2, y), brisa_test::ParrotColor));
  EXPECT_TRUE(Near(Pixel(ScaleDesign(844) - 2, y), brisa_test::ParrotColor));
  EXPECT_FALSE(Near(Pixel(ScaleDesign(844) + 2, y), brisa_test::ParrotColor));
  papagayoX = -400.0f;
  Draw(ScenePapagayo, PapagayoOrder);
  EXPECT_TRUE(Near(Pixel(ScaleDesign(444) - 2, y), brisa_test::ParrotColor));
  EXPECT_FALSE(Near(Pixel(ScaleDesign(444) + 2, y), brisa_test::ParrotColor));
}

TEST_F(RenderDemoTest, GreetingsDrawTheCurrentCellOverTheEffect) {
  greets->state = GreetHolding;
  greets->alpha = 255;
  greets->position = {100.0f, 100.0f};
  greets->appearMs = demoClock.timeMs;
  for (int state : std::initializer_list<int>{SceneGreetings, ScenePapagayo}) {
    SCOPED_TRACE(state);
    papagayoX = -844.0f;
    Draw(state, GreetingsOrder + 3);
    EXPECT_TRUE(Near(Pixel(110, 105), brisa_test::GreetsColor)) << Pixel(110, 105);
  }
  greets->done = true;
  Draw(SceneGreetings, GreetingsOrder + 3);
  EXPECT_TRUE(Near(Pixel(110, 105), brisa_test::CityEffectColor));
}

TEST_F(RenderDemoTest, FlamingoPairMirrorsAndKeepsTheMirroredPose) {
  flamingo->hidden = false;
  flamingo->position = {2.2f, 0.3f, -1.5f};
  flamingo->SetRotationDegrees({0.0f, 15.0f, 0.0f});
  Draw(SceneIntro, FlamingoOrder);
  EXPECT_EQ(flamingo->position.x, -2.2f);
  EXPECT_EQ(flamingo->rotationDegrees, glm::vec3(0.0f));
  EXPECT_EQ(flamingo->orientation.w, 1.0f);
  Draw(SceneWindsurf, SailingOrder);
  EXPECT_EQ(flamingo->position.x, 2.2f);
  EXPECT_EQ(flamingo->rotationDegrees.y, 0.0f);
  Draw(SceneIntro, FlamingoOrder - 1);
  Draw(SceneWindsurf, DriftOrder);
  EXPECT_EQ(flamingo->position.x, 2.2f) << "no pair before the flamingo's order in the intro or from the drift on";
}

TEST_F(RenderDemoTest, FlamingoPairShowsBothSides) {
  flamingo->hidden = false;
  flamingo->position = {1.2f, 0.0f, 0.0f};
  flamingo->SetRotationDegrees(glm::vec3(0.0f));
  Draw(SceneIntro, 3);
  // Camera at z 3 looking down -z: x 1.2 at depth 3 lies about a fifth of the screen off centre.
  const int offset = static_cast<int>(1.2f / (3.0f * 0.41421357f * ScreenAspect) * ScreenWidth / 2);
  EXPECT_TRUE(Near(Pixel(ScreenWidth / 2 + offset, ScreenHeight / 2), brisa_test::MeshTextureColor));
  EXPECT_TRUE(Near(Pixel(ScreenWidth / 2 - offset, ScreenHeight / 2), brisa_test::MeshTextureColor));
}

TEST_F(RenderDemoTest, FrameSetUpRebuildsTheCameraProjectionAndLeavesTheWindowBound) {
  gEngine->camera.projection = glm::mat4(0.0f);
  plane->hidden = false;
  glViewport(0, 0, 10, 10);
  Draw(SceneIntro, 0);
  const glm::mat4 expected = CameraPerspective(45.0f, ScreenAspect, 100.0f);
  EXPECT_EQ(gEngine->camera.projection, expected);
  EXPECT_NEAR(gEngine->camera.projection[0][0], ScreenWidth == 854 ? 1.3569350f : 1.3579952f, 1e-6f);
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], ScreenWidth);
  EXPECT_EQ(viewport[3], ScreenHeight);
  GLint framebuffer = -1;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
  EXPECT_EQ(framebuffer, 0);
  GLfloat clear[4] = {1, 1, 1, 1};
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  EXPECT_EQ(clear[3], 0.0f);
  GLint polygonMode[2] = {0, 0};
  glGetIntegerv(GL_POLYGON_MODE, polygonMode);
  EXPECT_EQ(polygonMode[0], GL_FILL) << "the wireframe setting ends with the terrain";
  GLfloat lineWidth = 0.0f;
  glGetFloatv(GL_LINE_WIDTH, &lineWidth);
  EXPECT_EQ(lineWidth, 1.0f);
}

TEST_F(RenderDemoTest, TerrainIsDrawnAsWireframe) {
  plane->hidden = false;
  plane->cameraPosition = {0.0f, 2.0f, 3.0f};
  plane->cameraPitch = -60.0f;
  Draw(SceneIntro, 0);
  std::vector<uint8_t> pixels(static_cast<size_t>(ScreenWidth) * ScreenHeight * 4);
  glReadPixels(0, 0, ScreenWidth, ScreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  size_t lit = 0;
  for (size_t i = 0; i < pixels.size(); i += 4) lit += pixels[i + 1] != 0;
  EXPECT_GT(lit, 0u) << "the terrain shows";
  EXPECT_LT(lit, pixels.size() / 4 / 4) << "lines, not filled squares";
}

}  // namespace
