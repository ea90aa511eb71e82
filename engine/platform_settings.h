// What the platform is told before SDL starts: settings its driver and window system read once.
#pragma once

// Called before SDL_Init, while no other thread of the program runs.
void ApplyPlatformSettings();
