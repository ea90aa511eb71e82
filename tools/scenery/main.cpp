// Writes the scenery assets (meshes, their textures, the terrain heightmap) into the folder given.
#include <optional>
#include <string>

#include "tools/common/generator_arguments.h"
#include "tools/common/image.h"
#include "tools/scenery/flamingo.h"
#include "tools/scenery/obj_writer.h"
#include "tools/scenery/terrain.h"
#include "tools/scenery/windsurfer.h"

int main(int argc, char** argv) {
  const std::optional<std::string> assets = tools::AssetsFolderArgument(argc, argv);
  if (!assets) return 2;
  const std::string& folder = *assets;
  const scenery::FlamingoAsset flamingo = scenery::MakeFlamingo();
  const scenery::WindsurferAsset windsurfer = scenery::MakeWindsurfer();
  bool ok = scenery::WriteObj(folder + "flamingo.obj", flamingo.triangles, "flamingo, faces from the feet up");
  ok = tools::WritePng(folder + "flamingo_tex.png", flamingo.texture, tools::ReportFailure) && ok;
  ok = scenery::WriteObj(folder + "windsurf.obj", windsurfer.triangles, "windsurfer: board, rig and rider") && ok;
  ok = tools::WritePng(folder + "windsurf_tex.png", windsurfer.texture, tools::ReportFailure) && ok;
  ok = scenery::WriteObj(folder + "plane.obj", scenery::TerrainTile(), "terrain tile, 6 x 6 units") && ok;
  ok = tools::WritePng(folder + "heightmap.png", scenery::Heightmap(), tools::ReportFailure) && ok;
  return ok ? 0 : 1;
}
