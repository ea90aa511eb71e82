// Writes the four effect backgrounds into the folder given.
#include <optional>
#include <string>

#include "tools/backgrounds/backgrounds.h"
#include "tools/common/generator_arguments.h"
#include "tools/common/image.h"

namespace {

constexpr int JpegQuality = 92;

}  // namespace

int main(int argc, char** argv) {
  const std::optional<std::string> assets = tools::AssetsFolderArgument(argc, argv);
  if (!assets) return 2;
  const std::string& folder = *assets;
  using namespace backgrounds;
  bool ok = tools::WriteJpeg(folder + "BGVapor.jpg", ToImage(MakeVaporSky(), 3), JpegQuality, tools::ReportFailure);
  ok = tools::WriteJpeg(folder + "beach.jpg", ToImage(MakeBeach(), 3), JpegQuality, tools::ReportFailure) && ok;
  ok = tools::WriteJpeg(folder + "streets.jpg", ToImage(MakeStreets(), 3), JpegQuality, tools::ReportFailure) && ok;
  ok = tools::WritePng(folder + "city.png", ToImage(MakeCity(), 4), tools::ReportFailure) && ok;
  return ok ? 0 : 1;
}
