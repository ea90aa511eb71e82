// The effects with their backgrounds as the show assigns them, and moments of the song to view them at.
#pragma once

#include <cstdint>

#include "demo/song_positions.h"
#include "resources/resource_manager.h"
#include "resources/shader_effect.h"

struct EffectSetup {
  const char* name;
  int textureCount;
  const char* backgrounds[4];
  int32_t firstOrder;  // the show draws the effect from this order on
};

inline const EffectSetup EffectSetups[] = {
    {"road", 3, {"Assets/beach.jpg", "Assets/streets.jpg", "Assets/BGVapor.jpg", nullptr}, CreditsOrder},
    {"palms_Brisa", 1, {"Assets/BGVapor.jpg", nullptr, nullptr, nullptr}, ShatterOrder},
    {"city", 4, {"Assets/beach.jpg", "Assets/streets.jpg", "Assets/BGVapor.jpg", "Assets/city.png"}, GreetingsOrder},
    {"jail_tunnel", 1, {"Assets/BGVapor.jpg", nullptr, nullptr, nullptr}, FinaleOrder},
};

// Channel 2 playing this instrument is the beat the effects flash on.
constexpr uint8_t BeatInstrument = 10;

// The effect loaded and given its backgrounds as scene set-up does; null when it does not link.
inline ShaderEffect* LoadEffectWithBackgrounds(const EffectSetup& setup) {
  auto* effect = dynamic_cast<ShaderEffect*>(
      gResourceManager->ShaderById(gResourceManager->GetShader(setup.name, ShaderTypeEffect)));
  if (effect == nullptr) return nullptr;
  effect->textureCount = setup.textureCount;
  gResourceManager->filterLinear = 1;
  for (int unit = 0; unit < setup.textureCount; ++unit) {
    const int id = gResourceManager->GetTexture(setup.backgrounds[unit]);
    if (id >= 0) effect->textureIds[unit] = id;
  }
  return effect;
}
