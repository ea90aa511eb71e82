// The per-test reset of the timeline and the frame driver.
#include "timeline_fixture.h"

#include <memory>

#include "demo/entity3d.h"
#include "demo/fade.h"
#include "demo/greets.h"
#include "demo/music_state.h"
#include "demo/scene.h"
#include "demo/tile_shatter.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"
#include "scene_fixture.h"

namespace brisa_test {

void ResetTimelineGlobals() {
  timelineState = SceneIntro;
  segmentStartMs = 0;
  beatPulse = 1.0f;
  beatLatch = 0;
  planeRiseStarted = false;
  planeHeight = {2.0f, 2.0f};
  planePitch = {-40.0f, -40.0f};
  flamingoMeshIndex = -1;
  flamingoFullCount = 0;
  flamingoDrawCount = 0;
  papagayoX = -844.0f;
  creditsTitleRect = {0, 0, 1080, 60};
  creditsNameRect = {0, 180, 1080, 90};
  lyricsRect = {0, 0, 2048, 64};
  lyricsPosition = {0.0f, 0.0f};
  musicSnapshot = MusicSnapshot{};
  demoClock = DemoClock{};
}

void TimelineTest::SetUp() {
  ResetTimelineGlobals();
  gEngine = Engine::Instance();
  CreateResourceManager();
  flamingo = std::make_unique<Entity3D>();
  plane.reset();
  windsurf = std::make_unique<Entity3D>();
  tiles = std::make_unique<TileShatter>();
  fade = std::make_unique<Fade>();
  greets = std::make_unique<Greets>();
}

void TimelineTest::TearDown() {
  greets.reset();
  fade.reset();
  tiles.reset();
  windsurf.reset();
  plane.reset();
  flamingo.reset();
}

void TerrainTimelineTest::SetUp() {
  ASSERT_TRUE(EnsureDemoScene().succeeded) << EnsureDemoScene().stderrText;
  TimelineTest::SetUp();
  plane = std::make_unique<Entity3DPlaneMusic>();
}

void TimelineTest::Frame(int32_t t, const FrameInput& input) {
  demoClock.timeMs = t;
  musicSnapshot.order = input.order;
  musicSnapshot.row = input.row;
  musicSnapshot.rowInstrument[2] = input.channel2Instrument;
  musicSnapshot.rowNote[0] = input.channel0Note;
  UpdateDemo();
}

void TimelineTest::Frame(int32_t t, int32_t order, int32_t row) {
  FrameInput input;
  input.order = order;
  input.row = row;
  Frame(t, input);
}

}  // namespace brisa_test
