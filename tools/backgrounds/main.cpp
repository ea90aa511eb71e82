// Writes the four effect backgrounds into the folder given.
#include <cstdio>
#include <string>

#include "tools/backgrounds/backgrounds.h"
#include "tools/common/image.h"

namespace {

constexpr int JpegQuality = 92;
constexpr tools::OnWriteFailure Report = tools::OnWriteFailure::Report;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  using namespace backgrounds;
  bool ok = tools::WriteJpeg(folder + "BGVapor.jpg", ToImage(MakeVaporSky(), 3), JpegQuality, Report);
  ok = tools::WriteJpeg(folder + "beach.jpg", ToImage(MakeBeach(), 3), JpegQuality, Report) && ok;
  ok = tools::WriteJpeg(folder + "streets.jpg", ToImage(MakeStreets(), 3), JpegQuality, Report) && ok;
  ok = tools::WritePng(folder + "city.png", ToImage(MakeCity(), 4), Report) && ok;
  return ok ? 0 : 1;
}
