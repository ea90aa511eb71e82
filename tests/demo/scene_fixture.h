// The show set up once per test process: fixture assets, the engine started, InitDemo run.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <SDL.h>
#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include "demo/entity3d.h"
#include "demo/fade.h"
#include "demo/greets.h"
#include "demo/music_state.h"
#include "demo/tile_shatter.h"
#include "support/gl_context.h"
#include "support/demo_assets.h"
#include "support/gl_state.h"
#include "tools/capture/scene_state.h"
#include "support/texture_picture.h"

namespace brisa_test {

// Everything a test may change around the set-up scene: the scene objects and timeline state, the
// engine's projection and view, the context's bindings and switches, and the "Screenshot" picture
// that the shatter cue's grab and the tile probes draw into. Taken from, and written back into, the
// current context.
class SceneSnapshot {
 public:
  static SceneSnapshot Capture();
  void Restore() const;

 private:
  show_capture::SceneState scene_;
  glm::mat4 projection_{1.0f};
  glm::mat4 view_{1.0f};
  GlState gl_;
  std::optional<TexturePicture> screenshot_;
};

struct DemoSceneSetUp {
  bool succeeded = false;
  // What InitDemo wrote to the console.
  std::string stdoutText;
  std::string stderrText;
  // The scene right after InitDemo, when it succeeded.
  std::optional<SceneSnapshot> asSetUp;
};

// Runs SetUpShow, as the program does, the first time it is called, in a working folder that
// holds the fixture assets and stays the current folder for the rest of the process.
const DemoSceneSetUp& EnsureDemoScene();

// A snapshot taken now and written back when the guard goes.
class SceneStateGuard {
 public:
  SceneStateGuard();
  ~SceneStateGuard();
  SceneStateGuard(const SceneStateGuard&) = delete;
  SceneStateGuard& operator=(const SceneStateGuard&) = delete;

 private:
  SceneSnapshot saved_;
};

// How the scene tests read the window: within 3 of a fixture colour in red, green and blue.
bool Near(const Rgba& pixel, FixtureColor color);
// The window has no alpha channel: a cleared pixel reads black.
bool IsBlack(const Rgba& pixel);

// Tests that draw through the set-up scene. Each starts from the scene as InitDemo left it, whatever
// earlier tests left in the clock, the snapshot, the context or the "Screenshot" picture, and leaves
// all of it as it found it. The engine's context is current during the test; whatever was current
// before comes back after.
class DemoSceneTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  std::unique_ptr<SceneStateGuard> guard_;
  SDL_Window* previousWindow_ = nullptr;
  SDL_GLContext previousContext_ = nullptr;
};

}  // namespace brisa_test
