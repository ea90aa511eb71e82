// The four effect backgrounds: vapor sky, sunset beach, street skyline and the night city.
#pragma once

#include "tools/backgrounds/paint.h"

namespace backgrounds {

// Sunset sky down to the horizon at the bottom edge, the striped sun sitting on it.
Canvas MakeVaporSky();
// Sky, sea with the sun's reflection and sand, palms at both sides.
Canvas MakeBeach();
// A tiling row of lit buildings on pure black: anything brighter than black is building.
Canvas MakeStreets();
// A tiling night skyline with neon trims on a transparent sky.
Canvas MakeCity();

}  // namespace backgrounds
