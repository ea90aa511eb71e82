// The console lines a run prints while setting up, worked out from the asset requests and which of them fail.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace brisa_test {

enum class AssetKind { Shader, Texture, Mesh, Module };

// Whether the show can go on without the asset.
enum class AssetNeed {
  Optional,
  SetUpFailsWithout,  // set-up gives up and the program pauses and exits 1
  AfterLoadedMesh,    // requested only when the mesh requested just before it loaded
  SongFailsWithout,   // read after set-up; without it the program exits 1 and prints nothing
};

// One request of set-up, in request order; a shader is named, the others are paths.
struct AssetRequest {
  AssetKind kind;
  const char* name;
  AssetNeed need;
};

// Every request the program makes, the engine's built-in shaders first and the module last.
const std::vector<AssetRequest>& AssetRequests();

// Every file the program reads, relative to its working folder: images, meshes, shader pairs, module.
std::vector<std::string> AssetFiles();

// The request a file belongs to: a shader file answers its shader's request.
const AssetRequest& RequestForFile(const std::string& relativePath);

enum class LoadOutcome {
  Loads,
  Missing,  // the file is not there
  Refused,  // the file is there but cannot be used: undecodable image, refused mesh, shader that does not link
};

struct ExpectedRun {
  std::string out;
  std::string err;
  int exitCode = 0;
  bool songPlays = true;
  bool deviceOpens = true;
};

// What a run prints and how it ends when the assets named in `outcomes` (by request name) load or
// fail that way and every other one loads.
ExpectedRun ExpectedRunWith(const std::map<std::string, LoadOutcome>& outcomes);

}  // namespace brisa_test
