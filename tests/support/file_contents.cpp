// Unique temporary names, empty temporary files, and a stream buffer copy for the reading.
#include "support/file_contents.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace brisa_test {

std::string UniqueTempPath(const char* stem) {
  // Tests of one program run one after another, but several programs share the folder.
  static std::atomic<unsigned> count{0};
  static const unsigned long long processPart =
      std::random_device{}() ^ static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (;;) {
    const std::string name = std::string(stem) + "-" + std::to_string(processPart % 1000000007ULL) + "-" +
                             std::to_string(count++);
    const fs::path path = fs::temp_directory_path() / name;
    std::error_code error;
    if (!fs::exists(path, error)) return path.string();
  }
}

std::string MakeTempFile(const char* stem) {
  const std::string path = UniqueTempPath(stem);
  std::ofstream(path, std::ios::binary);
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace brisa_test
