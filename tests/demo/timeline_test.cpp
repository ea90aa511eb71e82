// The timeline update: cues and their guards, the beat pulse, the segment timer, and each section's
// per-frame work (terrain rise, flamingo counts, windsurfer, credits, lyrics, tiles, parrot, fades).
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>

#include <gtest/gtest.h>

#include "config/screen.h"
#include "demo/beat_pulse.h"
#include "demo/entity3d.h"
#include "demo/fade.h"
#include "demo/music_state.h"
#include "demo/scene.h"
#include "demo/song_positions.h"
#include "demo/tile_shatter.h"
#include "demo/timeline.h"
#include "resources/resource_manager.h"
#include "support/registrations_guard.h"
#include "timeline_fixture.h"

namespace {

using brisa_test::FrameInput;
using brisa_test::TerrainTimelineTest;
using brisa_test::TimelineTest;

constexpr int32_t T0 = 20000;

struct CueCase {
  int32_t order;
  int from;
  int to;
};

constexpr CueCase Cues[] = {
    {WindsurfOrder, SceneIntro, SceneWindsurf},       {CreditsOrder, SceneWindsurf, SceneCredits},
    {ShatterOrder, SceneCredits, SceneShatter},       {GreetingsOrder, SceneShatter, SceneGreetings},
    {PapagayoOrder, SceneGreetings, ScenePapagayo},   {FinaleOrder, ScenePapagayo, SceneFinale},
};

TEST_F(TimelineTest, EachCueFiresOnlyAtItsOrderFromItsOneState) {
  for (const CueCase& cue : Cues) {
    for (int state = SceneBeforeStart; state <= SceneFinale; ++state) {
      SetUp();
      timelineState = state;
      Frame(T0, cue.order);
      const int expected = state == cue.from ? cue.to : state;
      EXPECT_EQ(timelineState, expected) << "order " << cue.order << " from state " << state;
    }
  }
}

TEST_F(TimelineTest, OrdersWithoutACueLeaveTheState) {
  for (int32_t order = 0; order < 32; ++order) {
    for (int state = SceneBeforeStart; state <= SceneFinale; ++state) {
      bool cued = false;
      for (const CueCase& cue : Cues) cued = cued || (cue.order == order && cue.from == state);
      if (cued) continue;
      SetUp();
      timelineState = state;
      Frame(T0, order);
      EXPECT_EQ(timelineState, state) << "order " << order;
    }
  }
}

TEST_F(TimelineTest, ASkippedOrderLeavesTheTimelineWhereItIs) {
  timelineState = SceneWindsurf;
  Frame(T0, ShatterOrder);
  EXPECT_EQ(timelineState, SceneWindsurf);
  Frame(T0 + 16, GreetingsOrder);
  EXPECT_EQ(timelineState, SceneWindsurf);
}

TEST_F(TimelineTest, TheShowRunsThroughAllSectionsInOneDirection) {
  const int32_t orders[] = {0,
                            TerrainRiseOrder,
                            WindsurfOrder,
                            SailingOrder,
                            CreditsOrder,
                            FirstLyricOrder,
                            ShatterOrder,
                            SecondLyricOrder,
                            GreetingsOrder,
                            PapagayoOrder,
                            FinaleOrder,
                            ClosingOrder,
                            WindsurfOrder,
                            CreditsOrder,
                            ShatterOrder};
  const int expected[] = {SceneIntro,     SceneIntro,     SceneWindsurf, SceneWindsurf, SceneCredits,
                          SceneCredits,   SceneShatter,   SceneShatter,  SceneGreetings, ScenePapagayo,
                          SceneFinale,    SceneFinale,    SceneFinale,   SceneFinale,   SceneFinale};
  for (size_t i = 0; i < std::size(orders); ++i) {
    Frame(T0 + static_cast<int32_t>(i) * 16, orders[i]);
    EXPECT_EQ(timelineState, expected[i]) << "step " << i;
  }
}

TEST_F(TimelineTest, TheWindsurfCueFrameRunsWindsurfWorkAndLeavesTheFadeOpaqueWhite) {
  flamingoFullCount = 300;
  flamingoDrawCount = 30;
  Frame(T0, FrameInput{WindsurfOrder, 0, 0, 40});
  EXPECT_EQ(timelineState, SceneWindsurf);
  EXPECT_TRUE(fade->started);
  EXPECT_EQ(fade->alpha, 255);
  EXPECT_EQ(fade->argb, 0xffffffffu);
  // The intro's build-up did not run in this frame.
  EXPECT_EQ(flamingoDrawCount, 30);
  Frame(T0 + 250, WindsurfOrder);
  EXPECT_EQ(fade->alpha, 128);
}

TEST_F(TimelineTest, TheShatterCueStampsTheTilesAndMovesTheLyricsWithoutMovingTiles) {
  timelineState = SceneCredits;
  segmentStartMs = 1234;
  tiles->LayOut(7, ScreenWidth, ScreenHeight);
  const glm::vec3 before = tiles->positions[20];
  Frame(T0, ShatterOrder);
  EXPECT_EQ(timelineState, SceneShatter);
  EXPECT_EQ(tiles->startMs, T0);
  EXPECT_EQ(tiles->positions[20], before);
  EXPECT_EQ(lyricsPosition, glm::vec2(static_cast<float>(ScreenWidth), static_cast<float>(ScreenHeight / 4)));
  EXPECT_EQ(lyricsRect.y, 64);
  EXPECT_EQ(segmentStartMs, 0);
}

TEST_F(TimelineTest, TheFinaleCueStartsTheRedFadeAndTheThirdLyricLine) {
  timelineState = ScenePapagayo;
  segmentStartMs = 555;
  Frame(T0, FinaleOrder);
  EXPECT_EQ(timelineState, SceneFinale);
  EXPECT_EQ(fade->argb, 0xffe0040fu);
  EXPECT_EQ(lyricsRect.y, 128);
  EXPECT_EQ(lyricsPosition, glm::vec2(static_cast<float>(ScreenWidth), static_cast<float>(ScreenHeight / 4)));
  EXPECT_EQ(segmentStartMs, 0);
}

TEST_F(TimelineTest, CuesClearTheSegmentTimerExceptTheWindsurfAndGreetingsCues) {
  const struct {
    int from;
    int32_t order;
    int32_t segmentStart;
  } cases[] = {{SceneIntro, WindsurfOrder, 999},    {SceneWindsurf, CreditsOrder, 0},
               {SceneCredits, ShatterOrder, 0},      {SceneShatter, GreetingsOrder, 999},
               {SceneGreetings, PapagayoOrder, T0},  {ScenePapagayo, FinaleOrder, 0}};
  for (const auto& c : cases) {
    SetUp();
    timelineState = c.from;
    segmentStartMs = 999;
    Frame(T0, c.order);
    // The parrot's slide restarts the cleared timer in the cue frame itself.
    EXPECT_EQ(segmentStartMs, c.segmentStart) << "order " << c.order;
  }
}

TEST(BeatPulseTest, AHeldBeatRepeatsEveryNineFrames) {
  float pulse = 1.0f;
  int32_t latch = 0;
  const float expected[] = {1.0f, 0.95f, 0.9f, 0.85f, 0.8f, 0.75f, 0.7f, 0.65f, 0.6f};
  for (int frame = 0; frame < 20; ++frame) {
    StepBeatPulse(pulse, latch, BeatInstrument);
    EXPECT_NEAR(pulse, expected[frame % 9], 1e-5f) << "frame " << frame;
    EXPECT_EQ(latch, frame % 9 == 8 ? 0 : BeatLatched) << "frame " << frame;
  }
}

TEST(BeatPulseTest, WithoutABeatThePulseDecaysToItsFloorAndOtherInstrumentsDoNothing) {
  float pulse = 1.0f;
  int32_t latch = BeatLatched;
  for (int frame = 0; frame < 30; ++frame) StepBeatPulse(pulse, latch, frame % 2 == 0 ? 9 : 0);
  EXPECT_EQ(pulse, BeatPulseFloor);
  EXPECT_EQ(latch, 0);
}

TEST_F(TimelineTest, TheUpdateHandsThisFramesPulseOn) {
  Frame(T0, FrameInput{0, 0, BeatInstrument, 0});
  EXPECT_EQ(beatPulse, 1.0f);
  EXPECT_EQ(beatLatch, BeatLatched);
  Frame(T0 + 16, 0);
  EXPECT_NEAR(beatPulse, 0.95f, 1e-6f);
}

TEST(SegmentTimerTest, StartsLazilyAndMeasuresFromItsStartAcrossTheClockWrap) {
  int32_t start = 0;
  EXPECT_EQ(TakeSegmentTime(start, 5000), 0);
  EXPECT_EQ(start, 5000);
  EXPECT_EQ(TakeSegmentTime(start, 5300), 300);
  EXPECT_EQ(start, 5000);

  start = INT32_MAX - 9;
  EXPECT_EQ(TakeSegmentTime(start, INT32_MIN + 10), 20);
}

TEST_F(TimelineTest, TheTerrainRisesFromOrderOneAndSettlesWithinOneStepOfZero) {
  for (int frame = 0; frame < 30; ++frame) Frame(T0 + frame * 16, 0);
  EXPECT_FALSE(planeRiseStarted);
  EXPECT_EQ(planePitch.current, -40.0f);
  EXPECT_EQ(planeHeight.current, 2.0f);

  Frame(T0 + 1000, TerrainRiseOrder);
  EXPECT_TRUE(planeRiseStarted);
  EXPECT_EQ(planePitch.target, 0.0f);
  EXPECT_EQ(planeHeight.target, 0.0f);
  EXPECT_NEAR(planePitch.current, -39.9f, 1e-4f);
  EXPECT_NEAR(planeHeight.current, 1.99f, 1e-5f);

  for (int frame = 0; frame < 1000; ++frame) Frame(T0 + 2000 + frame * 16, TerrainRiseOrder + frame / 300);
  EXPECT_NE(planePitch.current, 0.0f);
  EXPECT_NE(planeHeight.current, 0.0f);
  EXPECT_LE(std::fabs(planePitch.current), 0.1f);
  EXPECT_LE(std::fabs(planeHeight.current), 0.01f);
  EXPECT_LT(planeHeight.current, 0.0f);
  EXPECT_LT(planePitch.current, 0.0f);
}

TEST_F(TimelineTest, TheTerrainRiseHappensOnlyInTheIntro) {
  timelineState = SceneWindsurf;
  Frame(T0, TerrainRiseOrder);
  EXPECT_FALSE(planeRiseStarted);
  EXPECT_EQ(planePitch.current, -40.0f);
}

TEST_F(TerrainTimelineTest, TheIntroHandsTheSettlingPitchAndHeightToTheTerrain) {
  for (int frame = 0; frame < 5; ++frame) {
    Frame(T0 + frame * 16, TerrainRiseOrder);
    EXPECT_EQ(plane->cameraPitch, planePitch.current) << "frame " << frame;
    EXPECT_EQ(plane->cameraOffset, glm::vec3(0.0f, planeHeight.current, 0.0f)) << "frame " << frame;
  }
  EXPECT_NEAR(plane->cameraPitch, -39.5f, 1e-4f);
  EXPECT_NEAR(plane->cameraOffset.y, 1.95f, 1e-5f);

  // From the windsurf section on, the terrain keeps whatever it was last handed.
  timelineState = SceneWindsurf;
  plane->cameraPitch = 5.0f;
  plane->cameraOffset = glm::vec3(0.0f, 0.5f, 0.0f);
  Frame(T0 + 100, WindsurfOrder);
  EXPECT_EQ(plane->cameraPitch, 5.0f);
  EXPECT_EQ(plane->cameraOffset, glm::vec3(0.0f, 0.5f, 0.0f));
}

// The terrain is compared with a copy of itself given the pulse by hand and updated once.
TEST_F(TerrainTimelineTest, OnlyTheIntroAndTheWindsurfSectionHandTheTerrainThisFramesPulseAndUpdateIt) {
  const struct {
    int state;
    bool terrainRuns;
  } cases[] = {{SceneBeforeStart, false}, {SceneIntro, true},     {SceneWindsurf, true}, {SceneCredits, false},
               {SceneShatter, false},     {SceneGreetings, false}, {ScenePapagayo, false}, {SceneFinale, false},
               {7, false}};
  constexpr float UntouchedAmplitude = 0.25f;  // below the pulse's floor
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.state);
    SetUp();
    timelineState = c.state;
    // Mid-decay, so this frame's pulse (0.75) differs from the last one (0.8).
    beatPulse = 0.8f;
    beatLatch = BeatLatched;
    plane->amplitude = UntouchedAmplitude;
    Entity3DPlaneMusic expected = *plane;
    Frame(T0, 3);
    ASSERT_NEAR(beatPulse, 0.75f, 1e-6f);
    if (c.terrainRuns) {
      expected.amplitude = beatPulse;
      expected.Update();
    }
    EXPECT_EQ(plane->amplitude, expected.amplitude);
    EXPECT_EQ(plane->cameraPosition, expected.cameraPosition);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(plane->tileOffsets[row].z, expected.tileOffsets[row].z) << row;
  }
}

// Two meshes of the fixture's own in the process's manager, taken out again before they go.
class FlamingoMeshTest : public TimelineTest {
 protected:
  void SetUp() override {
    TimelineTest::SetUp();
    registrations_.emplace();
    flamingoMeshIndex = gResourceManager->RegisterMesh("flamingo-counts", &mesh);
    other = gResourceManager->RegisterMesh("other-counts", &otherMesh);
    mesh.indexCount = 20;
    otherMesh.indexCount = 99;
    flamingoFullCount = 20;
  }
  void TearDown() override {
    TimelineTest::TearDown();
    registrations_.reset();
  }
  Mesh mesh;
  Mesh otherMesh;
  int other = -1;

 private:
  std::optional<brisa_test::RegistrationsGuard> registrations_;
};

TEST_F(FlamingoMeshTest, TheBuildUpAddsOneTrianglePerNoteFrameFromOrderTwoUpToTheFullCount) {
  Frame(T0, FrameInput{FlamingoOrder - 1, 0, 0, 30});
  EXPECT_EQ(flamingoDrawCount, 0);
  Frame(T0 + 16, FrameInput{FlamingoOrder, 0, 0, 0});
  EXPECT_EQ(flamingoDrawCount, 0);
  const int32_t expected[] = {3, 6, 9, 12, 15, 18, 20, 20};
  for (int frame = 0; frame < 8; ++frame) {
    Frame(T0 + 32 + frame * 16, FrameInput{FlamingoOrder + frame / 4, 0, 0, 30});
    EXPECT_EQ(flamingoDrawCount, expected[frame]);
    EXPECT_EQ(mesh.indexCount, expected[frame]);
  }
  EXPECT_EQ(otherMesh.indexCount, 99);
}

TEST_F(FlamingoMeshTest, TheTearDownInOrderSixSkipsMultiplesOfSixteenMsAndStopsAtZero) {
  timelineState = SceneWindsurf;
  flamingoDrawCount = 20;
  Frame(T0, WindsurfOrder);
  EXPECT_EQ(mesh.indexCount, 20) << "the windsurf cue's order leaves the mesh alone";
  const struct {
    int32_t dt;
    int32_t count;
  } frames[] = {{0, 20}, {5, 11}, {16, 11}, {20, 2}, {32, 2}, {40, 0}, {50, 0}};
  for (const auto& f : frames) {
    Frame(T0 + 100 + f.dt, SailingOrder, 10);
    EXPECT_EQ(flamingoDrawCount, f.count) << "dt " << f.dt;
    EXPECT_EQ(mesh.indexCount, f.count) << "dt " << f.dt;
  }
  EXPECT_EQ(segmentStartMs, T0 + 100);
  Frame(T0 + 200, SailingOrder, LastPatternRow);
  EXPECT_EQ(segmentStartMs, 0);
  EXPECT_EQ(otherMesh.indexCount, 99);
}

TEST_F(FlamingoMeshTest, AFlamingoIdThatNamesNoMeshWritesNoMesh) {
  flamingoMeshIndex = 4000;
  for (int frame = 0; frame < 5; ++frame) Frame(T0 + frame * 16, FrameInput{3, 0, 0, 12});
  EXPECT_EQ(flamingoDrawCount, 15);
  EXPECT_EQ(mesh.indexCount, 20);
  EXPECT_EQ(otherMesh.indexCount, 99);
}

TEST_F(TimelineTest, WithoutAFlamingoMeshTheBuildUpStaysAtZero) {
  for (int frame = 0; frame < 5; ++frame) Frame(T0 + frame * 16, FrameInput{3, 0, 0, 12});
  EXPECT_EQ(flamingoDrawCount, 0);
}

float SinOfTime(int32_t t, float divisor) {
  return static_cast<float>(std::sin(static_cast<double>(static_cast<float>(t) / divisor)));
}

TEST_F(TimelineTest, TheFlamingoBobsInTheIntroAndTheWindsurfSection) {
  flamingo->position = glm::vec3(2.2f, 1.3f, -1.5f);
  for (int state : {SceneIntro, SceneWindsurf}) {
    timelineState = state;
    Frame(T0 + 777, 3);
    EXPECT_FLOAT_EQ(flamingo->position.y, SinOfTime(T0 + 777, 300.0f) * 0.1f + 0.3f);
    EXPECT_EQ(flamingo->position.x, 2.2f);
    EXPECT_EQ(flamingo->position.z, -1.5f);
  }
}

TEST_F(TimelineTest, TheWindsurferSailsFromOrderSixAndDriftsAwayInOrderSeven) {
  timelineState = SceneWindsurf;
  windsurf->position = glm::vec3(6.0f, -1.0f, -1.0f);
  Frame(T0, WindsurfOrder);
  EXPECT_EQ(windsurf->position, glm::vec3(6.0f, -1.0f, -1.0f));

  const int32_t t = T0 + 1234;
  Frame(t, SailingOrder, LastPatternRow);
  const glm::vec3 degrees(SinOfTime(t, 600.0f) * 5.0f, 180.0f, SinOfTime(t, 500.0f) * 6.0f);
  EXPECT_EQ(windsurf->rotationDegrees, degrees);
  EXPECT_EQ(windsurf->rotationRadians, degrees * 0.017453292f);
  const glm::quat q = QuaternionFromEulerRadians(degrees * 0.017453292f);
  EXPECT_EQ(windsurf->orientation, q);
  EXPECT_FLOAT_EQ(windsurf->position.x, SinOfTime(t, 2000.0f) * 3.0f);
  EXPECT_EQ(windsurf->position.y, -1.0f);
  EXPECT_EQ(windsurf->position.z, -1.0f);

  Frame(T0 + 5000, DriftOrder);
  EXPECT_EQ(windsurf->position.z, -1.0f);
  Frame(T0 + 8000, DriftOrder);
  EXPECT_FLOAT_EQ(windsurf->position.z, -3.0f);
  EXPECT_EQ(windsurf->position.y, -1.0f);
}

struct CreditsCase {
  int32_t order;
  TextureRect title;
  TextureRect name;
};

TEST_F(TimelineTest, CreditRectanglesFollowTheOrderAndHideInBetween) {
  timelineState = SceneCredits;
  const CreditsCase cases[] = {
      {CreditsOrder, {0, 0, 1080, 60}, {0, 180, 1080, 90}},
      {CreditsOrder + 1, {0, 0, 1080, 0}, {0, 180, 1080, 0}},
      {SecondCreditOrder, {0, 60, 1080, 60}, {0, 270, 1080, 90}},
      {SecondCreditOrder + 1, {0, 60, 1080, 0}, {0, 270, 1080, 0}},
      {ThirdCreditOrder, {0, 120, 1080, 60}, {0, 180, 1080, 90}},
      {ThirdCreditOrder + 1, {0, 120, 1080, 0}, {0, 180, 1080, 0}},
      {FirstLyricOrder, {0, 120, 1080, 0}, {0, 180, 1080, 0}},
  };
  int32_t t = T0;
  for (const CreditsCase& c : cases) {
    for (int frame = 0; frame < 2; ++frame) {
      Frame(t += 16, c.order);
      const TextureRect* got[] = {&creditsTitleRect, &creditsNameRect};
      const TextureRect* want[] = {&c.title, &c.name};
      for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(got[k]->x, want[k]->x) << "order " << c.order;
        EXPECT_EQ(got[k]->y, want[k]->y) << "order " << c.order;
        EXPECT_EQ(got[k]->width, want[k]->width) << "order " << c.order;
        EXPECT_EQ(got[k]->height, want[k]->height) << "order " << c.order;
      }
    }
  }
}

TEST(LyricsDivisorTest, DivisorsAreSinglePrecisionRatesOfThisBuild) {
  struct Expected {
    int width;
    float slow;
    float fast;
  };
  const Expected table[] = {{854, 5.620609f, 4.0468383f}, {1280, 3.75f, 2.6999998f}, {1920, 2.5f, 1.8f}};
  for (const Expected& e : table) {
    if (e.width != ScreenWidth) continue;
    EXPECT_FLOAT_EQ(LyricsSlowDivisor, e.slow);
    EXPECT_FLOAT_EQ(LyricsFastDivisor, e.fast);
  }
  if (ScreenWidth == 1280) {
    EXPECT_EQ(LyricsFastDivisor, 2.6999998f);
    EXPECT_NE(LyricsFastDivisor, 2.7f);
  }
}

TEST_F(TimelineTest, TheCreditsLyricScrollsSlowlyInOrderFourteen) {
  timelineState = SceneCredits;
  lyricsPosition = glm::vec2(static_cast<float>(ScreenWidth), 3.0f * ScreenHeight / 4);
  Frame(T0, FirstLyricOrder - 1);
  EXPECT_EQ(lyricsPosition.x, static_cast<float>(ScreenWidth));
  Frame(T0 + 100, FirstLyricOrder);
  EXPECT_EQ(lyricsPosition.x, static_cast<float>(ScreenWidth));
  Frame(T0 + 1100, FirstLyricOrder);
  EXPECT_EQ(lyricsPosition.x, static_cast<float>(ScreenWidth) - 1000.0f / LyricsSlowDivisor);
  // 0.4 design pixels per millisecond in every build.
  EXPECT_NEAR((static_cast<float>(ScreenWidth) - lyricsPosition.x) / SpriteScale, 400.0f, 0.01f);
}

TEST_F(TimelineTest, TheShatterLyricScrollsFastInOrderSixteenOnly) {
  timelineState = SceneShatter;
  lyricsPosition = glm::vec2(static_cast<float>(ScreenWidth), 1.0f);
  Frame(T0, ShatterOrder);
  EXPECT_EQ(lyricsPosition.x, static_cast<float>(ScreenWidth));
  Frame(T0 + 100, SecondLyricOrder);
  Frame(T0 + 1900, SecondLyricOrder);
  EXPECT_EQ(lyricsPosition.x, static_cast<float>(ScreenWidth) - 1800.0f / LyricsFastDivisor);
  EXPECT_NEAR((static_cast<float>(ScreenWidth) - lyricsPosition.x) / SpriteScale, 1000.0f, 0.01f);
}

TEST_F(TimelineTest, TheShatterSectionMovesTheTilesAndDoesNotAdvanceTheFade) {
  timelineState = SceneShatter;
  demoClock.timeMs = T0;
  fade->Start(0xffffff, false, 500);
  tiles->LayOut(3, ScreenWidth, ScreenHeight);
  tiles->startMs = T0;
  const glm::vec3 before = tiles->positions[0];
  const glm::vec3 velocity = tiles->velocities[0];
  Frame(T0 + 1000, ShatterOrder);
  EXPECT_EQ(fade->alpha, 255);
  EXPECT_FLOAT_EQ(tiles->velocities[0].y, velocity.y + 0.5f);
  EXPECT_FLOAT_EQ(tiles->positions[0].y, before.y + velocity.y + 0.5f);
  EXPECT_FLOAT_EQ(tiles->positions[0].x, before.x + velocity.x);
}

TEST_F(TimelineTest, TheGreetingsSectionAdvancesTheFadeAndThePapagayoSectionDoesNot) {
  for (int state : {SceneGreetings, ScenePapagayo}) {
    SetUp();
    timelineState = state;
    demoClock.timeMs = T0;
    fade->Start(0xffffff, false, 500);
    Frame(T0 + 500, 0);
    EXPECT_EQ(fade->alpha, state == SceneGreetings ? 0 : 255);
  }
}

TEST_F(TimelineTest, TheParrotSlidesInAndStopsAtExactlyZero) {
  timelineState = ScenePapagayo;
  Frame(T0, PapagayoOrder);
  EXPECT_EQ(papagayoX, -844.0f);
  EXPECT_EQ(segmentStartMs, T0);
  Frame(T0 + 1400, PapagayoOrder);
  EXPECT_FLOAT_EQ(papagayoX, -444.0f);
  Frame(T0 + 2954, PapagayoOrder + 1);
  EXPECT_EQ(papagayoX, 0.0f);
  segmentStartMs = 0;
  Frame(T0 + 5000, PapagayoOrder + 1);
  EXPECT_EQ(papagayoX, 0.0f);
  EXPECT_EQ(segmentStartMs, 0) << "the slide never runs again";

  SetUp();
  timelineState = ScenePapagayo;
  Frame(T0, PapagayoOrder);
  Frame(T0 + 2960, PapagayoOrder + 1);
  EXPECT_EQ(papagayoX, 0.0f);
}

TEST_F(TimelineTest, TheFinaleLyricsFollowTheRowTable) {
  timelineState = SceneFinale;
  const float low = static_cast<float>(3 * ScreenHeight / 4);
  const float w = static_cast<float>(ScreenWidth);
  lyricsPosition = glm::vec2(w, 5.0f);
  Frame(T0, FinaleOrder, ThirdLyricRow - 1);
  EXPECT_EQ(lyricsPosition.x, w);
  EXPECT_EQ(segmentStartMs, 0);
  Frame(T0 + 100, FinaleOrder, ThirdLyricRow);
  EXPECT_EQ(segmentStartMs, T0 + 100);
  Frame(T0 + 1000, FourthLyricOrder, ThirdLyricRow - 1);
  EXPECT_EQ(lyricsPosition.x, w - 900.0f / LyricsFastDivisor);
  const float atEndRow = lyricsPosition.x;
  Frame(T0 + 1200, FourthLyricOrder, ThirdLyricRow);
  EXPECT_EQ(lyricsPosition.x, atEndRow);
  Frame(T0 + 1300, FourthLyricOrder, ThirdLyricRow + 1);
  EXPECT_EQ(lyricsPosition, glm::vec2(w, low));
  EXPECT_EQ(lyricsRect.y, 192);
  EXPECT_EQ(segmentStartMs, 0);
  Frame(T0 + 1400, FourthLyricOrder, 40);
  EXPECT_EQ(segmentStartMs, 0);
  Frame(T0 + 2000, ClosingOrder, 0);
  EXPECT_EQ(lyricsPosition.x, w);
  Frame(T0 + 2500, ClosingOrder, 1);
  EXPECT_EQ(lyricsPosition.x, w - 500.0f / LyricsFastDivisor);
  EXPECT_EQ(lyricsPosition.y, low);
  Frame(T0 + 2600, ClosingOrder + 1, 0);
  EXPECT_EQ(lyricsPosition.x, w - 500.0f / LyricsFastDivisor);
}

TEST_F(TimelineTest, TheClosingFadeStaysClearThroughRowThirtyOneAndThenCoversInThreeSeconds) {
  timelineState = SceneFinale;
  int32_t t = T0;
  for (int frame = 0; frame < 10; ++frame) {
    Frame(t += 16, ClosingOrder, ClosingFadeRow);
    EXPECT_EQ(fade->alpha, 0);
    EXPECT_EQ(fade->argb, 0x00000000u);
  }
  const int32_t rowEnd = t;
  Frame(rowEnd + 1500, ClosingOrder, ClosingFadeRow + 1);
  EXPECT_EQ(fade->alpha, 127);
  Frame(rowEnd + 3000, ClosingOrder, 40);
  EXPECT_EQ(fade->alpha, 255);
  EXPECT_TRUE(fade->finished);
  Frame(rowEnd + 9000, ClosingOrder + 1, 0);
  EXPECT_EQ(fade->argb, 0xff000000u);
}

TEST_F(TimelineTest, TheIntroStartsItsBlackFadeOnceAndClearsInOneSecond) {
  EXPECT_EQ(fade->argb, 0xff000000u);
  Frame(T0, 0);
  EXPECT_EQ(fade->startMs, T0);
  EXPECT_EQ(fade->alpha, 255);
  Frame(T0 + 500, 0);
  EXPECT_EQ(fade->startMs, T0);
  EXPECT_EQ(fade->alpha, 128);
  Frame(T0 + 1000, 0);
  EXPECT_EQ(fade->alpha, 0);
  EXPECT_TRUE(fade->finished);
}

TEST_F(TimelineTest, StatesOutsideTheShowDoNoWork) {
  for (int state : {int(SceneBeforeStart), 7, 42}) {
    SetUp();
    timelineState = state;
    flamingo->position = glm::vec3(1.0f, 2.0f, 3.0f);
    Frame(T0, FrameInput{TerrainRiseOrder, 0, 0, 5});
    EXPECT_EQ(timelineState, state);
    EXPECT_FALSE(fade->started);
    EXPECT_FALSE(planeRiseStarted);
    EXPECT_EQ(flamingo->position, glm::vec3(1.0f, 2.0f, 3.0f));
  }
}

}  // namespace
