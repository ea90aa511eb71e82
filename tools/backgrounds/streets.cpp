// The street skyline: two rows of lit buildings and the street's glow, on pure black.
#include "tools/backgrounds/backgrounds.h"
#include "tools/backgrounds/skyline.h"

namespace backgrounds {

namespace {

// The effects key the sky out by brightness, so bodies stay clearly above black.
const BuildingLook FarLook{Hex(0x1c0c34), Hex(0x3a1450), 5.0f, 0.35f, 0.1f, 0.6f};
const BuildingLook NearLook{Hex(0x24103e), Hex(0x5a1a5e), 8.0f, 0.45f, 0.35f, 1.0f};

void PaintStreetGlow(Canvas& canvas) {
  for (int y = 0; y < canvas.height; ++y) {
    const float glow = glm::smoothstep(0.75f, 1.0f, float(y) / float(canvas.height));
    for (int x = 0; x < canvas.width; ++x) {
      glm::vec4& p = canvas.At(x, y);
      if (p.a <= 0.0f) continue;
      p = glm::vec4(glm::vec3(p) + Hex(0xff3da0) * glow * 0.45f, p.a);
    }
  }
}

}  // namespace

Canvas MakeStreets() {
  Canvas canvas(BackgroundWidth, BackgroundHeight);
  for (const Building& b : LayOutSkyline(BackgroundWidth, 28.0f, 60.0f, 150.0f, 380.0f, 5)) {
    PaintBuilding(canvas, b, FarLook);
  }
  for (const Building& b : LayOutSkyline(BackgroundWidth, 50.0f, 110.0f, 80.0f, 260.0f, 6)) {
    PaintBuilding(canvas, b, NearLook);
  }
  PaintStreetGlow(canvas);
  // The sky is black on purpose; the coverage left in alpha is dropped with the JPEG.
  return canvas;
}

}  // namespace backgrounds
