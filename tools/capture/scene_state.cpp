// Capturing and restoring the timeline's state: owned objects by value, globals, clock and camera.
#include "tools/capture/scene_state.h"

#include "demo/entity3d.h"
#include "demo/fade.h"
#include "demo/greets.h"
#include "demo/music_state.h"
#include "demo/scene.h"
#include "demo/tile_shatter.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

namespace show_capture {

struct SceneStateData {
  Entity3D flamingo;
  Entity3DPlaneMusic plane;
  Entity3D windsurf;
  TileShatter tiles;
  Fade fade;
  Greets greets;
  int32_t flamingoIndexCount;
  MusicSnapshot snapshot;
  DemoClock clock;
  Camera camera;
  int state;
  int32_t segmentStart;
  float pulse;
  int32_t latch;
  bool riseStarted;
  SettlingValue height;
  SettlingValue pitch;
  int32_t flamingoCount;
  float parrotX;
  TextureRect creditsTitle;
  TextureRect creditsName;
  TextureRect lyrics;
  glm::vec2 lyricsAt;
};

namespace {

Mesh* FlamingoMesh() { return gResourceManager->MeshById(flamingoMeshIndex); }

}  // namespace

SceneState SceneState::Capture() {
  const Mesh* mesh = FlamingoMesh();
  SceneState captured;
  captured.data_ = std::make_shared<const SceneStateData>(SceneStateData{
      *flamingo, *plane, *windsurf, *tiles, *fade, *greets, mesh != nullptr ? mesh->indexCount : 0, musicSnapshot,
      demoClock, gEngine->camera, timelineState, segmentStartMs, beatPulse, beatLatch, planeRiseStarted, planeHeight,
      planePitch, flamingoDrawCount, papagayoX, creditsTitleRect, creditsNameRect, lyricsRect, lyricsPosition});
  return captured;
}

void SceneState::Restore() const {
  const SceneStateData& saved = *data_;
  *flamingo = saved.flamingo;
  *plane = saved.plane;
  *windsurf = saved.windsurf;
  *tiles = saved.tiles;
  *fade = saved.fade;
  *greets = saved.greets;
  if (Mesh* mesh = FlamingoMesh()) mesh->indexCount = saved.flamingoIndexCount;
  musicSnapshot = saved.snapshot;
  demoClock = saved.clock;
  gEngine->camera = saved.camera;
  timelineState = saved.state;
  segmentStartMs = saved.segmentStart;
  beatPulse = saved.pulse;
  beatLatch = saved.latch;
  planeRiseStarted = saved.riseStarted;
  planeHeight = saved.height;
  planePitch = saved.pitch;
  flamingoDrawCount = saved.flamingoCount;
  papagayoX = saved.parrotX;
  creditsTitleRect = saved.creditsTitle;
  creditsNameRect = saved.creditsName;
  lyricsRect = saved.lyrics;
  lyricsPosition = saved.lyricsAt;
}

}  // namespace show_capture
