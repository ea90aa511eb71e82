// A temporary working folder for tests that read "Assets/..." relative to the working directory.
#pragma once

#include <string>

namespace brisa_test {

// Creates an empty folder, makes it the working directory, and on destruction goes back and
// removes it.
class ScopedWorkDir {
 public:
  ScopedWorkDir();
  ~ScopedWorkDir();
  ScopedWorkDir(const ScopedWorkDir&) = delete;
  ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

  const std::string& path() const { return path_; }

  // Writes a file (parent folders made) relative to the folder.
  void WriteFile(const std::string& relativePath, const std::string& bytes) const;
  // Copies the staged Shaders/ folder of the build into Assets/Shaders/.
  void CopyStagedShaders() const;
  // Copies one staged asset, e.g. "Assets/greets.png"; false when the build has not made it.
  bool CopyStagedAsset(const std::string& relativePath) const;

 private:
  std::string path_;
  std::string previous_;
};

// Path of a file in the build's staged Assets/ folder.
std::string StagedPath(const std::string& relativePath);
// Path of a file in the source tree.
std::string SourcePath(const std::string& relativePath);

}  // namespace brisa_test
