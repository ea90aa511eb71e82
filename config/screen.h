// The screen size of this build and the constants that follow from it; the build sets the size.
#pragma once

#if !defined(BRISA_SCREEN_WIDTH) || !defined(BRISA_SCREEN_HEIGHT)
#error "BRISA_SCREEN_WIDTH and BRISA_SCREEN_HEIGHT come from the build"
#endif

constexpr int ScreenWidth = BRISA_SCREEN_WIDTH;
constexpr int ScreenHeight = BRISA_SCREEN_HEIGHT;
constexpr float ScreenAspect = static_cast<float>(ScreenWidth) / static_cast<float>(ScreenHeight);

// Sprite art is drawn for a 1920-pixel-wide screen.
constexpr int DesignScreenWidth = 1920;
constexpr float SpriteScale = static_cast<float>(ScreenWidth) / static_cast<float>(DesignScreenWidth);
