// Writes the fixture images with stb_image_write, the meshes as OBJ text and the module.
#include "support/demo_assets.h"

#include <stb_image_write.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace brisa_test {

namespace {

struct Band {
  int rows;
  FixtureColor color;
};

// An opaque RGBA image of horizontal bands, top first; the last band fills what is left.
std::vector<uint8_t> BandedPixels(int width, int height, std::initializer_list<Band> bands) {
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
  int y = 0;
  size_t i = 0;
  for (auto band = bands.begin(); band != bands.end(); ++band) {
    const int end = std::next(band) == bands.end() ? height : std::min(height, y + band->rows);
    for (; y < end; ++y) {
      for (int x = 0; x < width; ++x) {
        pixels[i++] = band->color.r;
        pixels[i++] = band->color.g;
        pixels[i++] = band->color.b;
        pixels[i++] = 255;
      }
    }
  }
  return pixels;
}

void WritePng(const ScopedWorkDir& dir, const std::string& name, int width, int height,
              std::initializer_list<Band> bands) {
  dir.WriteFile(FixtureImagePath(name), "");
  const std::vector<uint8_t> pixels = BandedPixels(width, height, bands);
  stbi_write_png((dir.path() + "/" + FixtureImagePath(name)).c_str(), width, height, 4, pixels.data(), width * 4);
}

void WriteJpeg(const ScopedWorkDir& dir, const std::string& name, FixtureColor color) {
  dir.WriteFile(FixtureImagePath(name), "");
  const std::vector<uint8_t> pixels = BandedPixels(64, 64, {{64, color}});
  stbi_write_jpg((dir.path() + "/" + FixtureImagePath(name)).c_str(), 64, 64, 4, pixels.data(), 90);
}

// One textured triangle facing the camera, large enough to cover the middle of the screen.
const char* const TexturedTriangleObj =
    "# fixture\nv -1 -1 0\nv 1 -1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0.5 1\nf 1/1 2/2 3/3\n";
// A flat square of two triangles for the terrain grid.
const char* const TerrainObj =
    "v -3 0 -3\nv 3 0 -3\nv 3 0 3\nv -3 0 3\nf 1 3 2\nf 1 4 3\n";

void WriteImages(const ScopedWorkDir& dir) {
  WriteJpeg(dir, "BGVapor.jpg", {90, 30, 120});
  WriteJpeg(dir, "beach.jpg", {200, 180, 120});
  WriteJpeg(dir, "streets.jpg", {60, 60, 60});
  WritePng(dir, "city.png", 64, 64, {{64, {20, 20, 80}}});
  WritePng(dir, "heightmap.png", 64, 64, {{64, {0, 0, 0}}});
  WritePng(dir, "flamingo_tex.png", 16, 16, {{16, MeshTextureColor}});
  WritePng(dir, "windsurf_tex.png", 16, 16, {{8, WindsurfTopColor}, {8, WindsurfBottomColor}});
  WritePng(dir, "Brisa_Vice_6c.png", 1080, 862, {{430, LogoTopColor}, {432, LogoColor}});
  WritePng(dir, "credits_text.png", 1080, 360,
           {{60, CreditsTitleColors[0]}, {60, CreditsTitleColors[1]}, {60, CreditsTitleColors[2]},
            {90, CreditsNameColors[0]}, {90, CreditsNameColors[1]}});
  WritePng(dir, "papagayo_6c.png", 844, 1020, {{1020, ParrotColor}});
  WritePng(dir, "opening.png", 1220, 630, {{300, TitleCard1Color}, {130, TitleCard2Color}, {200, TitleCard3Color}});
  WritePng(dir, "lyrics.png", 2048, 256,
           {{64, LyricsColors[0]}, {64, LyricsColors[1]}, {64, LyricsColors[2]}, {64, LyricsColors[3]}});
  WritePng(dir, "greets.png", 1536, 1216, {{1216, GreetsColor}});
}

const char* const FlatEffectVertex =
    "#version 330 core\n"
    "void main() {\n"
    "  vec2 corner = vec2(float(gl_VertexID & 1), float(gl_VertexID >> 1)) * 2.0 - 1.0;\n"
    "  gl_Position = vec4(corner, 0.0, 1.0);\n"
    "}\n";

void WriteFlatEffect(const ScopedWorkDir& dir, const std::string& name, FixtureColor color) {
  const auto channel = [](uint8_t value) { return std::to_string(value / 255.0); };
  dir.WriteFile("Assets/Shaders/" + name + ".vertex", FlatEffectVertex);
  dir.WriteFile("Assets/Shaders/" + name + ".fragment",
                "#version 330 core\nout vec4 fragColor;\nvoid main() {\n  fragColor = vec4(" + channel(color.r) +
                    ", " + channel(color.g) + ", " + channel(color.b) + ", 1.0);\n}\n");
}

void WriteFlatEffects(const ScopedWorkDir& dir) {
  WriteFlatEffect(dir, "palms_Brisa", PalmsEffectColor);
  WriteFlatEffect(dir, "city", CityEffectColor);
  WriteFlatEffect(dir, "road", RoadEffectColor);
  WriteFlatEffect(dir, "jail_tunnel", JailTunnelEffectColor);
}

}  // namespace

std::string FixtureImagePath(const std::string& name) {
  return "Assets/" + name;
}

void WriteDemoAssets(const ScopedWorkDir& dir, const ModFixture& song, bool flatEffects) {
  dir.CopyStagedShaders();
  if (flatEffects) WriteFlatEffects(dir);
  WriteImages(dir);
  dir.WriteFile("Assets/flamingo.obj", TexturedTriangleObj);
  dir.WriteFile("Assets/windsurf.obj", TexturedTriangleObj);
  dir.WriteFile("Assets/plane.obj", TerrainObj);
  dir.WriteFile("Assets/sorvane.mod", MakeTestModule(song));
}

}  // namespace brisa_test
