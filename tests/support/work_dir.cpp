// Temporary working folders and paths into the source tree and the build's stage.
#include "support/work_dir.h"

#include <filesystem>
#include <fstream>

#include "support/file_contents.h"

namespace fs = std::filesystem;

namespace brisa_test {

ScopedWorkDir::ScopedWorkDir()
    : path_(UniqueTempPath("brisa-work")), previous_(fs::current_path().string()) {
  fs::create_directory(path_);
  fs::current_path(path_);
}

ScopedWorkDir::~ScopedWorkDir() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
  fs::remove_all(path_, ignored);
}

void ScopedWorkDir::WriteFile(const std::string& relativePath, const std::string& bytes) const {
  fs::path target = fs::path(path_) / relativePath;
  fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void ScopedWorkDir::CopyStagedShaders() const {
  fs::path target = fs::path(path_) / "Assets" / "Shaders";
  fs::create_directories(target);
  fs::copy(StagedPath("Assets/Shaders"), target,
           fs::copy_options::overwrite_existing | fs::copy_options::recursive);
}

bool ScopedWorkDir::CopyStagedAsset(const std::string& relativePath) const {
  fs::path source = StagedPath(relativePath);
  if (!fs::exists(source)) return false;
  fs::path target = fs::path(path_) / relativePath;
  fs::create_directories(target.parent_path());
  fs::copy_file(source, target, fs::copy_options::overwrite_existing);
  return true;
}

std::string StagedPath(const std::string& relativePath) {
  return (fs::path(BRISA_STAGE_DIR) / relativePath).string();
}

std::string SourcePath(const std::string& relativePath) {
  return (fs::path(BRISA_SOURCE_DIR) / relativePath).string();
}

}  // namespace brisa_test
