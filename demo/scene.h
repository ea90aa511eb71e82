// What scene set-up creates: the six owned scene objects and records, and the ids the timeline uses.
#pragma once

#include <cstdint>
#include <memory>

class Entity3D;
class Entity3DPlaneMusic;
struct TileShatter;
struct Fade;
struct Greets;

// Owners, destroyed at process exit in the reverse order of their definition.
extern std::unique_ptr<Entity3D> flamingo;
extern std::unique_ptr<Entity3DPlaneMusic> plane;
extern std::unique_ptr<Entity3D> windsurf;
extern std::unique_ptr<TileShatter> tiles;
extern std::unique_ptr<Fade> fade;
extern std::unique_ptr<Greets> greets;

extern int32_t palmsEffect;
extern int32_t cityEffect;
extern int32_t roadEffect;
extern int32_t jailTunnelEffect;

extern int32_t logoTexture;
extern int32_t creditsTexture;
extern int32_t papagayoTexture;
extern int32_t openingTexture;
extern int32_t lyricsTexture;

// Starts the engine and creates every effect, object, mesh and texture; false when the show
// cannot run (an effect shader or the greetings atlas missing).
bool InitDemo();
bool InitEffects();
