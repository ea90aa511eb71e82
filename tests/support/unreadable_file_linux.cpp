// On Linux a folder opens as a stream, and every read of it fails with EISDIR.
#include "support/unreadable_file.h"

#include <filesystem>

namespace brisa_test {

struct UnreadableFile::Source {};

UnreadableFile::UnreadableFile(const std::string& name) : path_(name) { std::filesystem::create_directory(path_); }

UnreadableFile::~UnreadableFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace brisa_test
