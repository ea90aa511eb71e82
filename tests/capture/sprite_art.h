// The sprite sheets as the show's files hold them, and how much of a sprite a picture shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image_probes.h"
#include "tools/common/image.h"

namespace show_capture {

struct RgbaArt {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // 4 bytes per texel, top row first

  bool empty() const { return rgba.empty(); }
};

// An image file decoded to RGBA; empty when it cannot be read.
RgbaArt LoadArt(const std::string& path);

// A rectangle of texels in a sheet.
struct ArtRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct SpriteMatch {
  int64_t tested = 0;   // texels inside bright, opaque patches that fall on the screen
  int64_t matched = 0;  // of those, the ones the picture shows in their own colour
  double fraction() const { return tested == 0 ? 0.0 : static_cast<double>(matched) / static_cast<double>(tested); }
};

// Lays `source` of the sheet over `destination` (scaled to it, nearest texel) and compares the
// picture with the sheet inside opaque patches of one colour brighter than the dark scenes behind
// them: texels that tell a drawn sprite from its background whatever the filtering.
SpriteMatch MatchSprite(const tools::Image& picture, const RgbaArt& art, const ArtRect& source,
                        const Region& destination);

}  // namespace show_capture
