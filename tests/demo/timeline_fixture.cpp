// The per-test reset of the timeline and the frame driver.
#include "timeline_fixture.h"

#include <memory>
#include <optional>

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

struct SetAsideScene {
  std::unique_ptr<Entity3D> flamingo;
  std::unique_ptr<Entity3DPlaneMusic> plane;
  std::unique_ptr<Entity3D> windsurf;
  std::unique_ptr<TileShatter> tiles;
  std::unique_ptr<Fade> fade;
  std::unique_ptr<Greets> greets;
  int32_t flamingoMeshIndex = -1;
  int32_t flamingoFullCount = 0;
  std::optional<SceneSnapshot> state;  // only when set-up had filled every owner
};

namespace {

std::shared_ptr<SetAsideScene> SetSceneAside() {
  auto scene = std::make_shared<SetAsideScene>();
  if (flamingo && plane && windsurf && tiles && fade && greets) scene->state = SceneSnapshot::Capture();
  scene->flamingoMeshIndex = flamingoMeshIndex;
  scene->flamingoFullCount = flamingoFullCount;
  scene->flamingo = std::move(flamingo);
  scene->plane = std::move(plane);
  scene->windsurf = std::move(windsurf);
  scene->tiles = std::move(tiles);
  scene->fade = std::move(fade);
  scene->greets = std::move(greets);
  return scene;
}

void GiveSceneBack(SetAsideScene& scene) {
  flamingo = std::move(scene.flamingo);
  plane = std::move(scene.plane);
  windsurf = std::move(scene.windsurf);
  tiles = std::move(scene.tiles);
  fade = std::move(scene.fade);
  greets = std::move(scene.greets);
  flamingoMeshIndex = scene.flamingoMeshIndex;
  flamingoFullCount = scene.flamingoFullCount;
  if (scene.state) scene.state->Restore();
}

}  // namespace

void TimelineTest::SetUp() {
  // Set aside only on the first call: a second one would set aside the fresh records instead.
  if (!setAside_) setAside_ = SetSceneAside();
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
  if (setAside_) GiveSceneBack(*setAside_);
  setAside_.reset();
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
