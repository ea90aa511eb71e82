// The once-per-process scene: a kept working folder, Engine::Instance, the manager and InitDemo.
#include "scene_fixture.h"

#include "demo/scene.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"
#include "support/console_capture.h"
#include "support/demo_assets.h"

namespace brisa_test {

namespace {

DemoSceneSetUp RunSetUp() {
  static ScopedWorkDir folder;
  WriteDemoAssets(folder, {}, true);
  gEngine = Engine::Instance();
  CreateResourceManager();
  DemoSceneSetUp result;
  ConsoleCapture console;
  result.succeeded = InitDemo();
  result.stdoutText = console.Stdout();
  result.stderrText = console.Stderr();
  return result;
}

}  // namespace

const DemoSceneSetUp& EnsureDemoScene() {
  static const DemoSceneSetUp setUp = RunSetUp();
  return setUp;
}

struct SceneStateGuard::Saved {
  Entity3D flamingo;
  Entity3DPlaneMusic plane;
  Entity3D windsurf;
  TileShatter tiles;
  Fade fade;
  Greets greets;
  MusicSnapshot snapshot = musicSnapshot;
  DemoClock clock = demoClock;
  int state = timelineState;
  float papagayoX = ::papagayoX;
  TextureRect creditsTitle = creditsTitleRect;
  TextureRect creditsName = creditsNameRect;
  TextureRect lyrics = lyricsRect;
  glm::vec2 lyricsAt = lyricsPosition;
  Camera camera = gEngine->camera;
};

SceneStateGuard::SceneStateGuard()
    : saved_(new Saved{*::flamingo, *::plane, *::windsurf, *::tiles, *::fade, *::greets}) {}

SceneStateGuard::~SceneStateGuard() {
  *::flamingo = saved_->flamingo;
  *::plane = saved_->plane;
  *::windsurf = saved_->windsurf;
  *::tiles = saved_->tiles;
  *::fade = saved_->fade;
  *::greets = saved_->greets;
  musicSnapshot = saved_->snapshot;
  demoClock = saved_->clock;
  timelineState = saved_->state;
  ::papagayoX = saved_->papagayoX;
  creditsTitleRect = saved_->creditsTitle;
  creditsNameRect = saved_->creditsName;
  lyricsRect = saved_->lyrics;
  lyricsPosition = saved_->lyricsAt;
  gEngine->camera = saved_->camera;
}

void DemoSceneTest::SetUp() {
  previousWindow_ = SDL_GL_GetCurrentWindow();
  previousContext_ = SDL_GL_GetCurrentContext();
  ASSERT_TRUE(EnsureDemoScene().succeeded) << EnsureDemoScene().stderrText;
  SDL_GL_MakeCurrent(gEngine->window, gEngine->glContext);
  guard_ = std::make_unique<SceneStateGuard>();
}

void DemoSceneTest::TearDown() {
  guard_.reset();
  if (previousContext_ != nullptr) SDL_GL_MakeCurrent(previousWindow_, previousContext_);
}

}  // namespace brisa_test
