// Scene set-up: the owners of the scene objects, the ids the timeline draws with, and InitDemo.
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "config/screen.h"
#include "demo/entity3d.h"
#include "demo/fade.h"
#include "demo/greets.h"
#include "demo/image_paths.h"
#include "demo/scene.h"
#include "demo/tile_shatter.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"
#include "resources/shader_effect.h"

// Defined in this order so that static destruction deletes greets first and flamingo last.
std::unique_ptr<Entity3D> flamingo;
std::unique_ptr<Entity3DPlaneMusic> plane;
std::unique_ptr<Entity3D> windsurf;
std::unique_ptr<TileShatter> tiles;
std::unique_ptr<Fade> fade;
std::unique_ptr<Greets> greets;

int32_t palmsEffect = 0;
int32_t cityEffect = 0;
int32_t roadEffect = 0;
int32_t jailTunnelEffect = 0;

int32_t logoTexture = -1;
int32_t creditsTexture = -1;
int32_t papagayoTexture = -1;
int32_t openingTexture = -1;
int32_t lyricsTexture = -1;

namespace {

struct EffectRequest {
  const char* name;
  int32_t* id;
  int32_t textureCount;
  const char* backgrounds[EffectMaxTextures];
};

const EffectRequest EffectRequests[] = {
    {"palms_Brisa", &palmsEffect, 1, {BackgroundVaporPath}},
    {"city", &cityEffect, 4, {BackgroundBeachPath, BackgroundStreetsPath, BackgroundVaporPath, BackgroundCityPath}},
    {"road", &roadEffect, 3, {BackgroundBeachPath, BackgroundStreetsPath, BackgroundVaporPath}},
    {"jail_tunnel", &jailTunnelEffect, 1, {BackgroundVaporPath}},
};

const glm::vec3 FlamingoPosition{2.2f, 1.3f, -1.5f};
const glm::vec3 FlamingoRotationDegrees{0.0f, 15.0f, 0.0f};
const glm::vec3 WindsurfPosition{6.0f, -1.0f, -1.0f};
constexpr uint32_t TerrainColor = 0xFF0FFFFFu;
constexpr float TerrainScrollSpeed = 0.1f;
const glm::vec3 TerrainCameraOffset{0.0f, 2.0f, 0.0f};
constexpr float TerrainCameraPitchDegrees = -40.0f;

// A texture requested with linear filtering; the flag is left at nearest afterwards.
int32_t GetLinearTexture(const char* path) {
  gResourceManager->filterLinear = 1;
  const int32_t id = gResourceManager->GetTexture(path);
  gResourceManager->filterLinear = 0;
  return id;
}

// The background textures in unit order; a failed request leaves its unit as it was.
void AssignBackgrounds(const EffectRequest& request) {
  auto* effect = dynamic_cast<ShaderEffect*>(gResourceManager->ShaderById(*request.id));
  if (effect == nullptr) return;
  effect->textureCount = request.textureCount;
  for (int unit = 0; unit < request.textureCount; ++unit) {
    const int32_t id = gResourceManager->GetTexture(request.backgrounds[unit]);
    if (id >= 0) effect->textureIds[unit] = id;
  }
}

// The entity's mesh; on failure its text goes to the console and nothing else is set.
bool LoadEntityMesh(Entity3D& entity, const char* path) {
  entity.meshId = gResourceManager->GetMesh(path);
  if (entity.meshId >= 0) return true;
  std::cout << entity.text;
  entity.text.clear();
  return false;
}

void PlaceFlamingo() {
  const bool loaded = LoadEntityMesh(*flamingo, "Assets/flamingo.obj");
  flamingoMeshIndex = flamingo->meshId;
  if (!loaded) return;
  flamingo->position = FlamingoPosition;
  flamingo->SetRotationDegrees(FlamingoRotationDegrees);
  flamingo->textureId = GetLinearTexture(FlamingoTexturePath);
  if (const Mesh* mesh = gResourceManager->MeshById(flamingoMeshIndex)) flamingoFullCount = mesh->indexCount;
}

void PlaceTerrain() {
  if (!LoadEntityMesh(*plane, "Assets/plane.obj")) return;
  plane->color = TerrainColor;
  plane->scrollSpeed = TerrainScrollSpeed;
  plane->cameraOffset = TerrainCameraOffset;
  plane->cameraPitch = TerrainCameraPitchDegrees;
  plane->depthTest = false;
}

void PlaceWindsurfer() {
  if (!LoadEntityMesh(*windsurf, "Assets/windsurf.obj")) return;
  windsurf->position = WindsurfPosition;
  windsurf->textureId = GetLinearTexture(WindsurfTexturePath);
}

void LoadSpriteTextures() {
  gResourceManager->filterLinear = 0;
  logoTexture = gResourceManager->GetTexture(LogoPath);
  creditsTexture = gResourceManager->GetTexture(CreditsPath);
  papagayoTexture = gResourceManager->GetTexture(PapagayoPath);
  openingTexture = gResourceManager->GetTexture(OpeningPath);
  lyricsTexture = gResourceManager->GetTexture(LyricsPath);
}

void CreateSceneObjects() {
  flamingo = std::make_unique<Entity3D>();
  plane = std::make_unique<Entity3DPlaneMusic>();
  windsurf = std::make_unique<Entity3D>();
  tiles = std::make_unique<TileShatter>();
  fade = std::make_unique<Fade>();
  greets = std::make_unique<Greets>();
}

}  // namespace

bool InitEffects() {
  for (const EffectRequest& request : EffectRequests) {
    *request.id = gResourceManager->GetShader(request.name, ShaderTypeEffect);
    if (*request.id == -1) return false;
  }
  for (const EffectRequest& request : EffectRequests) AssignBackgrounds(request);
  return true;
}

namespace {

// Everything after the engine has started and the prefetch with it; false when the show cannot run.
bool SetUpScene() {
  gResourceManager->filterLinear = 1;
  if (!InitEffects()) return false;
  CreateSceneObjects();
  PlaceFlamingo();
  PlaceTerrain();
  PlaceWindsurfer();
  LoadSpriteTextures();
  lyricsPosition = {static_cast<float>(ScreenWidth), static_cast<float>(3 * ScreenHeight / 4)};
  tiles->SetUp(gEngine->screenshotTexture);
  greets->texture = gResourceManager->GetTexture(GreetsPath);
  return greets->texture >= 0;
}

}  // namespace

bool InitDemo() {
  // Before any other thread: its failures end the process at once, and it sets the driver's
  // environment variables, which no other thread may be reading meanwhile.
  gEngine->Init();
  // The pictures decode on other threads while the effect shaders compile.
  gResourceManager->PrefetchImages(std::vector<std::string>(std::begin(SceneImagePaths), std::end(SceneImagePaths)));
  const bool ready = SetUpScene();
  gResourceManager->DropPrefetchedImages();
  return ready;
}
