// RenderDemo: the frame set-up every state shares, then the state's draw list and its fade.
#include "demo/render.h"

#include <cmath>

#include "demo/entity3d.h"
#include "demo/fade.h"
#include "demo/greets.h"
#include "demo/music_state.h"
#include "demo/scene.h"
#include "demo/song_positions.h"
#include "demo/tile_shatter.h"
#include "demo/timeline.h"
#include "resources/resource_manager.h"

namespace {

constexpr float LargestCoordinate = 2147483520.0f;  // the largest float below 2^31
constexpr uint8_t Opaque = 255;

void DrawFixed(int32_t textureId, const FixedSprite& sprite) {
  constexpr float NoRotation = 0.0f;
  const SpriteDestination at = ScaleDestination(sprite.design);
  gEngine->DrawSprite(textureId, sprite.source, at.x, at.y, NoRotation, at.width, at.height, Opaque);
}

// A sprite whose size follows its source rectangle.
void DrawSized(int32_t textureId, const TextureRect& source, int16_t x, int16_t y) {
  gEngine->DrawSprite(textureId, source, x, y, 0.0f, ScaledSize(source.width), ScaledSize(source.height), Opaque);
}

void DrawEffect(int32_t effectId) {
  if (Shader* effect = gResourceManager->ShaderById(effectId)) effect->Draw();
}

void SetUpFrame() {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glViewport(0, 0, ScreenWidth, ScreenHeight);
  gEngine->SetOrtho();
  Camera& camera = gEngine->camera;
  camera.projection = CameraPerspective(camera.fov, ScreenAspect, camera.farPlane);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  gEngine->SetRenderTarget(RenderTargetKeep);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void DrawWireframeTerrain() {
  glLineWidth(1.0f);
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  if (plane) plane->Render();
  glLineWidth(1.0f);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

// The flamingo and its mirror image; the mirrored pose is kept for the next frame.
void DrawFlamingoPair() {
  if (!flamingo) return;
  flamingo->Render();
  flamingo->position.x = -flamingo->position.x;
  const glm::vec3 turned = flamingo->rotationDegrees;
  flamingo->SetRotationDegrees({turned.x, 0.0f, turned.z});
  flamingo->Render();
}

void DrawLyrics() {
  DrawSized(lyricsTexture, lyricsRect, SpriteCoordinate(lyricsPosition.x), SpriteCoordinate(lyricsPosition.y));
}

void DrawFade() {
  if (fade && fade->alpha != 0) gEngine->FillScreen(fade->argb);
}

// Shown from the card's row to the end of its order.
void DrawTitleCard(const FixedSprite& card, SongPosition from, int32_t order, int32_t row) {
  if (order == from.order && row >= from.row) DrawFixed(openingTexture, card);
}

void DrawIntro(int32_t order, int32_t row) {
  DrawWireframeTerrain();
  if (order >= FlamingoOrder) DrawFlamingoPair();
  DrawTitleCard(TitleCard1, TitleCard1From, order, row);
  DrawTitleCard(TitleCard2, TitleCard2From, order, row);
  DrawTitleCard(TitleCard3, TitleCard3From, order, row);
  DrawFade();
}

void DrawWindsurf(int32_t order) {
  DrawWireframeTerrain();
  if (order >= SailingOrder && windsurf) windsurf->Render();
  if (order < DriftOrder) DrawFlamingoPair();
  if (order < SailingOrder) {
    DrawFixed(logoTexture, LogoSprite);
    DrawFade();
  }
}

void DrawCredits(int32_t order) {
  DrawEffect(roadEffect);
  const int16_t x = static_cast<int16_t>(ScaleDesign(DesignCreditsX));
  DrawSized(creditsTexture, creditsTitleRect, x, static_cast<int16_t>(ScaleDesign(DesignCreditsTitleY)));
  DrawSized(creditsTexture, creditsNameRect, x, static_cast<int16_t>(ScaleDesign(DesignCreditsNameY)));
  if (order == FirstLyricOrder) DrawLyrics();
  DrawFade();
}

void DrawTiles() {
  if (!tiles) return;
  constexpr auto TileSize = static_cast<uint16_t>(TileSizePx);
  for (int i = 0; i < TileCount; ++i) {
    const glm::vec3& at = tiles->positions[i];
    if (!(at.y < TileVisibilityBound)) continue;
    gEngine->DrawSprite(tiles->renderTexture, tiles->sourceRects[i], SpriteCoordinate(at.x), SpriteCoordinate(at.y),
                        0.0f, TileSize, TileSize, Opaque);
  }
}

void DrawShatter(int32_t order) {
  DrawEffect(palmsEffect);
  DrawTiles();
  if (order == SecondLyricOrder) DrawLyrics();
  DrawFade();
}

void DrawGreets() {
  if (greets) greets->Render();
}

void DrawParrot() {
  const SpriteDestination at = ScaleDestination({0, DesignParrotY, ParrotSource.width, ParrotSource.height});
  gEngine->DrawSprite(papagayoTexture, ParrotSource, ParrotX(papagayoX), at.y, 0.0f, at.width, at.height, Opaque);
}

}  // namespace

int16_t SpriteCoordinate(float position) {
  // Out-of-range and non-finite positions land far off screen instead of being undefined.
  const float bounded = std::isnan(position) ? 0.0f : std::fmax(-LargestCoordinate, std::fmin(position, LargestCoordinate));
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(static_cast<int32_t>(bounded))));
}

uint16_t ScaledSize(uint16_t designSize) {
  return static_cast<uint16_t>(static_cast<int32_t>(static_cast<float>(designSize) * SpriteScale));
}

int16_t ParrotX(float designX) {
  return SpriteCoordinate(designX * SpriteScale);
}

void RenderDemo() {
  SetUpFrame();
  const int32_t order = musicSnapshot.order;
  const int32_t row = musicSnapshot.row;
  switch (timelineState) {
    case SceneIntro: DrawIntro(order, row); break;
    case SceneWindsurf: DrawWindsurf(order); break;
    case SceneCredits: DrawCredits(order); break;
    case SceneShatter: DrawShatter(order); break;
    case SceneGreetings:
      DrawEffect(cityEffect);
      DrawGreets();
      DrawFade();
      break;
    case ScenePapagayo:
      DrawEffect(cityEffect);
      DrawParrot();
      DrawGreets();
      break;
    case SceneFinale:
      DrawEffect(jailTunnelEffect);
      DrawLyrics();
      DrawFade();
      break;
    default: break;
  }
}
