// The show set up once per test process: fixture assets, the engine started, InitDemo run.
#pragma once

#include <memory>
#include <string>

#include <SDL.h>
#include <gtest/gtest.h>

#include "demo/entity3d.h"
#include "demo/fade.h"
#include "demo/greets.h"
#include "demo/music_state.h"
#include "demo/tile_shatter.h"
#include "support/gl_context.h"
#include "tools/capture/scene_state.h"

namespace brisa_test {

struct DemoSceneSetUp {
  bool succeeded = false;
  // What InitDemo wrote to the console.
  std::string stdoutText;
  std::string stderrText;
};

// Runs the engine's start-up and InitDemo the first time it is called, in a working folder that
// holds the fixture assets and stays the current folder for the rest of the process.
const DemoSceneSetUp& EnsureDemoScene();

// Copies of everything a test may change in the scene and the timeline, put back afterwards.
class SceneStateGuard {
 public:
  SceneStateGuard();
  ~SceneStateGuard();
  SceneStateGuard(const SceneStateGuard&) = delete;
  SceneStateGuard& operator=(const SceneStateGuard&) = delete;

 private:
  show_capture::SceneState saved_;
};

// Tests that draw through the set-up scene; each starts from, and leaves, the scene as set up.
// The engine's context is current during the test; whatever was current before comes back after.
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
