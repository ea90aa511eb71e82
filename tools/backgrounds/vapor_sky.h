// The sunset sky and the striped sun, shared by the vapor sky and the beach.
#pragma once

#include "tools/backgrounds/paint.h"

namespace backgrounds {

// Sky colour from the zenith (0) to the horizon (1), stars and clouds left out.
glm::vec3 SunsetGradient(float height);

// Paints the gradient, stars and cloud streaks into rows [0, horizonY) of the canvas.
void PaintSunsetSky(Canvas& canvas, int horizonY, int seed);

// The sun centred at (cx, cy) with its stripe cuts and glow, cut off at the horizon row.
void PaintStripedSun(Canvas& canvas, float cx, float cy, float radius, int horizonY);

}  // namespace backgrounds
