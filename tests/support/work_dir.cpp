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

// File by file: mingw's fs::copy of a folder refuses a target folder that already exists.
void ScopedWorkDir::CopyStagedShaders() const {
  const fs::path source = StagedPath("Assets/Shaders");
  const fs::path target = fs::path(path_) / "Assets" / "Shaders";
  fs::create_directories(target);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source)) {
    const fs::path copy = target / entry.path().lexically_relative(source);
    if (entry.is_directory()) {
      fs::create_directories(copy);
    } else {
      fs::copy_file(entry.path(), copy, fs::copy_options::overwrite_existing);
    }
  }
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
