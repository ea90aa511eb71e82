// The asset request list of start-up and scene set-up, and the console lines each request prints.
#include "setup_transcript.h"

#include <set>
#include <stdexcept>

#include "pause_prompt.h"

namespace brisa_test {

namespace {

constexpr const char* ShaderFolder = "Assets/Shaders/";
constexpr const char* ShaderSuffixes[] = {".vertex", ".fragment"};

using Need = AssetNeed;
using Kind = AssetKind;

// A texture that failed is asked for again at its next request, so repeats matter.
const std::vector<AssetRequest> Requests = {
    {Kind::Shader, "TextureMatrix2D", Need::Optional},
    {Kind::Shader, "TextureMatrix3D", Need::Optional},
    {Kind::Shader, "Color2D", Need::Optional},
    {Kind::Shader, "palms_Brisa", Need::SetUpFailsWithout},
    {Kind::Shader, "city", Need::SetUpFailsWithout},
    {Kind::Shader, "road", Need::SetUpFailsWithout},
    {Kind::Shader, "jail_tunnel", Need::SetUpFailsWithout},
    {Kind::Texture, "Assets/BGVapor.jpg", Need::Optional},
    {Kind::Texture, "Assets/beach.jpg", Need::Optional},
    {Kind::Texture, "Assets/streets.jpg", Need::Optional},
    {Kind::Texture, "Assets/BGVapor.jpg", Need::Optional},
    {Kind::Texture, "Assets/city.png", Need::Optional},
    {Kind::Texture, "Assets/beach.jpg", Need::Optional},
    {Kind::Texture, "Assets/streets.jpg", Need::Optional},
    {Kind::Texture, "Assets/BGVapor.jpg", Need::Optional},
    {Kind::Texture, "Assets/BGVapor.jpg", Need::Optional},
    {Kind::Shader, "PlaneMusic", Need::Optional},
    {Kind::Texture, "Assets/heightmap.png", Need::Optional},
    {Kind::Mesh, "Assets/flamingo.obj", Need::Optional},
    {Kind::Texture, "Assets/flamingo_tex.png", Need::AfterLoadedMesh},
    {Kind::Mesh, "Assets/plane.obj", Need::Optional},
    {Kind::Mesh, "Assets/windsurf.obj", Need::Optional},
    {Kind::Texture, "Assets/windsurf_tex.png", Need::AfterLoadedMesh},
    {Kind::Texture, "Assets/Brisa_Vice_6c.png", Need::Optional},
    {Kind::Texture, "Assets/credits_text.png", Need::Optional},
    {Kind::Texture, "Assets/papagayo_6c.png", Need::Optional},
    {Kind::Texture, "Assets/opening.png", Need::Optional},
    {Kind::Texture, "Assets/lyrics.png", Need::Optional},
    {Kind::Texture, "Assets/greets.png", Need::SetUpFailsWithout},
    {Kind::Module, "Assets/sorvane.mod", Need::SongFailsWithout},
};

std::vector<std::string> FilesOf(const AssetRequest& request) {
  if (request.kind != Kind::Shader) return {request.name};
  std::vector<std::string> files;
  for (const char* suffix : ShaderSuffixes) files.push_back(ShaderFolder + std::string(request.name) + suffix);
  return files;
}

// Walks the requests like set-up does, keeping what has loaded; one request's lines at a time.
class SetUpWalk {
 public:
  explicit SetUpWalk(const std::map<std::string, LoadOutcome>& outcomes) : outcomes_(outcomes) {}

  // False when the request ends the run.
  bool Request(const AssetRequest& request) {
    if (request.need == Need::AfterLoadedMesh && !lastMeshLoaded_) return true;
    if (loaded_.count(request.name) != 0) return true;
    const LoadOutcome outcome = OutcomeOf(request.name);
    switch (request.kind) {
      case Kind::Shader: ShaderLines(request.name, outcome); break;
      case Kind::Texture: TextureLines(request.name, outcome); break;
      case Kind::Mesh: MeshLines(request.name, outcome); break;
      case Kind::Module: break;
    }
    if (outcome == LoadOutcome::Loads) loaded_.insert(request.name);
    if (request.kind == Kind::Mesh) lastMeshLoaded_ = outcome == LoadOutcome::Loads;
    const bool needed = request.need == Need::SetUpFailsWithout || request.need == Need::SongFailsWithout;
    return outcome == LoadOutcome::Loads || !needed;
  }

  ExpectedRun& run() { return run_; }

 private:
  LoadOutcome OutcomeOf(const std::string& name) const {
    const auto found = outcomes_.find(name);
    return found == outcomes_.end() ? LoadOutcome::Loads : found->second;
  }

  void ShaderLines(const std::string& name, LoadOutcome outcome) {
    run_.out += "Adding Shader: " + name + " (first request)\n";
    if (outcome != LoadOutcome::Loads) run_.err += "** Errores de compilacion del  Shader: " + name + "\n";
  }

  void TextureLines(const std::string& path, LoadOutcome outcome) {
    run_.out += "Adding Texture Graphic " + path + " (first request)\n";
    if (outcome == LoadOutcome::Loads) return;
    run_.err += "Error when loading image: " + path + ": stbi_load ERROR.\n";
    run_.out += "Failed to load " + path + " on the ID map\n";
  }

  void MeshLines(const std::string& path, LoadOutcome outcome) {
    run_.out += "Adding Mesh: " + path + " (first request)\n";
    if (outcome == LoadOutcome::Missing) run_.out += "Error with open mode: r - File : " + path + "\n";
    if (outcome != LoadOutcome::Loads) run_.err += "** Imposible crear Mesh: " + path + "\n";
  }

  const std::map<std::string, LoadOutcome>& outcomes_;
  std::set<std::string> loaded_;
  bool lastMeshLoaded_ = false;
  ExpectedRun run_;
};

}  // namespace

const std::vector<AssetRequest>& AssetRequests() { return Requests; }

std::vector<std::string> AssetFiles() {
  std::vector<std::string> files;
  std::set<std::string> seen;
  for (const AssetRequest& request : Requests) {
    for (const std::string& file : FilesOf(request)) {
      if (seen.insert(file).second) files.push_back(file);
    }
  }
  return files;
}

const AssetRequest& RequestForFile(const std::string& relativePath) {
  for (const AssetRequest& request : Requests) {
    for (const std::string& file : FilesOf(request)) {
      if (file == relativePath) return request;
    }
  }
  throw std::invalid_argument("no request reads " + relativePath);
}

ExpectedRun ExpectedRunWith(const std::map<std::string, LoadOutcome>& outcomes) {
  SetUpWalk walk(outcomes);
  for (const AssetRequest& request : Requests) {
    if (walk.Request(request)) continue;
    ExpectedRun& run = walk.run();
    run.exitCode = 1;
    run.songPlays = false;
    if (request.need == Need::SetUpFailsWithout) {
      run.out += PausePromptOutput();
      run.deviceOpens = false;
    }
    return run;
  }
  return walk.run();
}

}  // namespace brisa_test
