// The once-per-process scene: a kept working folder and the program's own set-up of the show.
#include "scene_fixture.h"

#include "demo/show_start.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"
#include "support/console_capture.h"
#include "support/demo_assets.h"

namespace brisa_test {

namespace {

DemoSceneSetUp RunSetUp() {
  static ScopedWorkDir folder;
  WriteDemoAssets(folder, {}, true);
  DemoSceneSetUp result;
  ConsoleCapture console;
  result.succeeded = SetUpShow();
  result.stdoutText = console.Stdout();
  result.stderrText = console.Stderr();
  if (result.succeeded) result.asSetUp = SceneSnapshot::Capture();
  return result;
}

}  // namespace

const DemoSceneSetUp& EnsureDemoScene() {
  static const DemoSceneSetUp setUp = RunSetUp();
  return setUp;
}

namespace {

// The scene is set up before any test runs, so the ids it fixes are the same whatever order the
// tests run in, and later requests or registrations of a test come after them.
class DemoSceneFirst : public ::testing::Environment {
 public:
  void SetUp() override { EnsureDemoScene(); }
};

[[maybe_unused]] ::testing::Environment* const demoSceneFirst =
    ::testing::AddGlobalTestEnvironment(new DemoSceneFirst);

}  // namespace

SceneSnapshot SceneSnapshot::Capture() {
  SceneSnapshot snapshot;
  snapshot.scene_ = show_capture::SceneState::Capture();
  snapshot.projection_ = gEngine->projection;
  snapshot.view_ = gEngine->view;
  snapshot.gl_ = GlState::Capture();
  if (const Texture* screenshot = gResourceManager->TextureById(gEngine->screenshotTexture)) {
    snapshot.screenshot_ = TexturePicture::Capture(*screenshot);
  }
  return snapshot;
}

void SceneSnapshot::Restore() const {
  scene_.Restore();
  gEngine->projection = projection_;
  gEngine->view = view_;
  if (screenshot_) screenshot_->Restore();
  gl_.Restore();
}

SceneStateGuard::SceneStateGuard() : saved_(SceneSnapshot::Capture()) {}

SceneStateGuard::~SceneStateGuard() {
  saved_.Restore();
}

void DemoSceneTest::SetUp() {
  previousWindow_ = SDL_GL_GetCurrentWindow();
  previousContext_ = SDL_GL_GetCurrentContext();
  ASSERT_TRUE(EnsureDemoScene().succeeded) << EnsureDemoScene().stderrText;
  SDL_GL_MakeCurrent(gEngine->window, gEngine->glContext);
  guard_ = std::make_unique<SceneStateGuard>();
  EnsureDemoScene().asSetUp->Restore();
}

void DemoSceneTest::TearDown() {
  guard_.reset();
  if (previousContext_ != nullptr) SDL_GL_MakeCurrent(previousWindow_, previousContext_);
}

bool Near(const Rgba& pixel, FixtureColor color) {
  const auto close = [](int a, int b) { return a - b <= 3 && b - a <= 3; };
  return close(pixel.r, color.r) && close(pixel.g, color.g) && close(pixel.b, color.b);
}

bool IsBlack(const Rgba& pixel) {
  return pixel.r == 0 && pixel.g == 0 && pixel.b == 0;
}

}  // namespace brisa_test
