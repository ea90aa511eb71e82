// The night city: tall towers with neon trims and lit windows on a transparent sky.
#include "tools/backgrounds/backgrounds.h"
#include "tools/backgrounds/skyline.h"

namespace backgrounds {

namespace {

const BuildingLook BackLook{Hex(0x2a1050), Hex(0x401868), 6.0f, 0.4f, 0.5f, 0.8f};
const BuildingLook FrontLook{Hex(0x160a2c), Hex(0x2e0f48), 9.0f, 0.5f, 0.6f, 1.0f};

}  // namespace

Canvas MakeCity() {
  Canvas canvas(BackgroundWidth, BackgroundHeight);
  for (const Building& b : LayOutSkyline(BackgroundWidth, 40.0f, 90.0f, 220.0f, 480.0f, 8)) {
    PaintBuilding(canvas, b, BackLook);
  }
  for (const Building& b : LayOutSkyline(BackgroundWidth, 60.0f, 140.0f, 100.0f, 300.0f, 9)) {
    PaintBuilding(canvas, b, FrontLook);
  }
  return canvas;
}

}  // namespace backgrounds
