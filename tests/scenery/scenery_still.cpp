// Renders stills of the terrain, the flamingo pair and the windsurfer through the engine into PNG
// files, to judge the scenery by eye. Run it in a folder that holds the staged Assets/.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <stb_image_write.h>

#include "config/screen.h"
#include "demo/entity3d.h"
#include "demo/music_state.h"
#include "engine/camera.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"

namespace {

struct Shot {
  const char* name;
  float terrainPitchDegrees;
  float terrainLift;  // camera offset above the start position
  float amplitude;    // the beat pulse, 0.6..1
  int32_t timeMs;
  bool flamingos;
  float builtFraction;  // share of the flamingo's faces drawn
  bool windsurfer;
  float windsurferZ;
};

// The show's moments: the intro from above, the bird half built, the pair, the windsurfer.
const Shot Shots[] = {
    {"intro", -40.0f, 2.0f, 1.0f, 1000, false, 1.0f, false, -1.0f},
    {"buildup", 0.0f, 0.0f, 0.6f, 21000, true, 0.5f, false, -1.0f},
    {"flamingos", 0.0f, 0.0f, 1.0f, 40000, true, 1.0f, false, -1.0f},
    {"windsurf", 0.0f, 0.0f, 0.8f, 52000, true, 0.4f, true, -1.0f},
    {"receding", 0.0f, 0.0f, 0.6f, 61000, false, 0.0f, true, -9.0f},
};

struct Scenery {
  std::unique_ptr<Entity3DPlaneMusic> terrain;
  std::unique_ptr<Entity3D> flamingo;
  std::unique_ptr<Entity3D> windsurfer;
  int flamingoFullCount = 0;
};

int TextureLinear(const char* path) {
  gResourceManager->filterLinear = 1;
  const int id = gResourceManager->GetTexture(path);
  gResourceManager->filterLinear = 0;
  return id;
}

Scenery LoadScenery() {
  Scenery s;
  s.terrain = std::make_unique<Entity3DPlaneMusic>();
  s.terrain->meshId = gResourceManager->GetMesh("Assets/plane.obj");
  s.terrain->color = 0xFF0FFFFFu;
  s.terrain->depthTest = false;
  s.flamingo = std::make_unique<Entity3D>();
  s.flamingo->meshId = gResourceManager->GetMesh("Assets/flamingo.obj");
  s.flamingo->textureId = TextureLinear("Assets/flamingo_tex.png");
  if (const Mesh* mesh = gResourceManager->MeshById(s.flamingo->meshId)) s.flamingoFullCount = mesh->indexCount;
  s.windsurfer = std::make_unique<Entity3D>();
  s.windsurfer->meshId = gResourceManager->GetMesh("Assets/windsurf.obj");
  s.windsurfer->textureId = TextureLinear("Assets/windsurf_tex.png");
  return s;
}

float Sine(int32_t timeMs, float divisor) { return std::sin(static_cast<float>(timeMs) / divisor); }

void PoseScenery(Scenery& s, const Shot& shot) {
  demoClock.timeMs = shot.timeMs;
  s.terrain->cameraPitch = shot.terrainPitchDegrees;
  s.terrain->cameraOffset = glm::vec3(0.0f, shot.terrainLift, 0.0f);
  s.terrain->amplitude = shot.amplitude;
  s.terrain->scrollSpeed = 0.0f;
  s.terrain->Update();
  s.flamingo->position = glm::vec3(2.2f, Sine(shot.timeMs, 300.0f) * 0.1f + 0.3f, -1.5f);
  s.flamingo->SetRotationDegrees({0.0f, 15.0f, 0.0f});
  if (Mesh* mesh = gResourceManager->MeshById(s.flamingo->meshId)) {
    mesh->indexCount = static_cast<int>(s.flamingoFullCount / 3 * shot.builtFraction) * 3;
  }
  s.windsurfer->position = glm::vec3(Sine(shot.timeMs, 2000.0f) * 3.0f, -1.0f, shot.windsurferZ);
  s.windsurfer->SetRotationDegrees({Sine(shot.timeMs, 600.0f) * 5.0f, 180.0f, Sine(shot.timeMs, 500.0f) * 6.0f});
}

void DrawFrame(Scenery& s, const Shot& shot) {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glViewport(0, 0, ScreenWidth, ScreenHeight);
  gEngine->SetOrtho();
  gEngine->camera.projection = CameraPerspective(gEngine->camera.fov, ScreenAspect, gEngine->camera.farPlane);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  s.terrain->Render();
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  if (shot.windsurfer) s.windsurfer->Render();
  if (shot.flamingos) {
    s.flamingo->Render();
    s.flamingo->position.x = -s.flamingo->position.x;
    s.flamingo->SetRotationDegrees({0.0f, 0.0f, 0.0f});
    s.flamingo->Render();
  }
}

bool SaveFrame(const std::string& path) {
  std::vector<uint8_t> pixels(size_t(ScreenWidth) * ScreenHeight * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, ScreenWidth, ScreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  std::vector<uint8_t> topDown(pixels.size());
  const size_t row = size_t(ScreenWidth) * 4;
  for (int y = 0; y < ScreenHeight; ++y) {
    std::memcpy(&topDown[y * row], &pixels[(ScreenHeight - 1 - y) * row], row);
    for (size_t x = 3; x < row; x += 4) topDown[y * row + x] = 255;  // the window shows no alpha
  }
  return stbi_write_png(path.c_str(), ScreenWidth, ScreenHeight, 4, topDown.data(), int(row)) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  gEngine = Engine::Instance();
  CreateResourceManager();
  gEngine->Init();
  Scenery scenery = LoadScenery();
  for (const Shot& shot : Shots) {
    PoseScenery(scenery, shot);
    DrawFrame(scenery, shot);
    const std::string path = std::string(argv[1]) + "/scenery_" + shot.name + "_" + std::to_string(ScreenHeight) + ".png";
    if (!SaveFrame(path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s\n", path.c_str());
  }
  return 0;
}
