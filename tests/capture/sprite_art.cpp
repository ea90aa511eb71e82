// Decoding the sprite sheets and comparing drawn sprites with them.
#include "sprite_art.h"

#include <stb_image.h>

#include <algorithm>

namespace show_capture {

namespace {

constexpr int OpaqueAlpha = 250;
constexpr int DarkestTestedChannel = 96;
// Texels within this of each other make a patch of one colour.
constexpr int PatchTolerance = 32;
// How far a drawn texel may stray from the sheet.
constexpr int ColourTolerance = 48;

struct Texel {
  tools::Rgb colour;
  uint8_t alpha;
};

Texel TexelAt(const RgbaArt& art, int x, int y) {
  const uint8_t* p = &art.rgba[(static_cast<size_t>(y) * art.width + x) * 4];
  return {{p[0], p[1], p[2]}, p[3]};
}

bool Opaque(const Texel& texel) {
  return texel.alpha >= OpaqueAlpha;
}

bool Bright(const Texel& texel) {
  return std::max({texel.colour.r, texel.colour.g, texel.colour.b}) >= DarkestTestedChannel;
}

// Whether every texel within `radius` of (x, y) is opaque and of the centre's colour. Filtering and
// mipmaps mix a texel with its neighbours when a sprite is drawn smaller; inside such a patch the
// mix is still the patch's colour.
bool InPatch(const RgbaArt& art, int x, int y, int radius, tools::Rgb centre) {
  for (int ny = std::max(y - radius, 0); ny <= std::min(y + radius, art.height - 1); ++ny) {
    for (int nx = std::max(x - radius, 0); nx <= std::min(x + radius, art.width - 1); ++nx) {
      const Texel neighbour = TexelAt(art, nx, ny);
      if (!Opaque(neighbour) || Differ(neighbour.colour, centre, PatchTolerance)) return false;
    }
  }
  return true;
}

// Texels a destination pixel spans, rounded: the neighbours its filtered colour may draw on.
int PatchRadius(const ArtRect& source, const Region& destination) {
  const int across = (2 * source.width + destination.width) / std::max(2 * destination.width, 1);
  const int down = (2 * source.height + destination.height) / std::max(2 * destination.height, 1);
  return std::max({across, down, 1});
}

// The sheet texel under a destination pixel: its centre scaled into the source rectangle.
int SourceTexel(int offset, int destinationSize, int sourceStart, int sourceSize) {
  const int64_t scaled =
      (2 * static_cast<int64_t>(offset) + 1) * sourceSize / (2 * static_cast<int64_t>(destinationSize));
  return sourceStart + static_cast<int>(scaled);
}

}  // namespace

RgbaArt LoadArt(const std::string& path) {
  RgbaArt art;
  int channels = 0;
  stbi_uc* pixels = stbi_load(path.c_str(), &art.width, &art.height, &channels, 4);
  if (pixels == nullptr) return RgbaArt();
  art.rgba.assign(pixels, pixels + static_cast<size_t>(art.width) * art.height * 4);
  stbi_image_free(pixels);
  return art;
}

SpriteMatch MatchSprite(const tools::Image& picture, const RgbaArt& art, const ArtRect& source,
                        const Region& destination) {
  SpriteMatch match;
  const Region visible = ClipToPicture(destination, picture);
  const int radius = PatchRadius(source, destination);
  for (int y = visible.y; y < visible.y + visible.height; ++y) {
    const int sy = SourceTexel(y - destination.y, destination.height, source.y, source.height);
    for (int x = visible.x; x < visible.x + visible.width; ++x) {
      const int sx = SourceTexel(x - destination.x, destination.width, source.x, source.width);
      const Texel texel = TexelAt(art, sx, sy);
      if (!Opaque(texel) || !Bright(texel) || !InPatch(art, sx, sy, radius, texel.colour)) continue;
      ++match.tested;
      if (!Differ(picture.At(x, y), texel.colour, ColourTolerance)) ++match.matched;
    }
  }
  return match;
}

}  // namespace show_capture
