// mkstemp for the temporary files, a stream buffer copy for the reading.
#include "support/file_contents.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace brisa_test {

std::string MakeTempFile(const char* stem) {
  std::string path = std::string("/tmp/") + stem + "-XXXXXX";
  const int fd = mkstemp(path.data());
  if (fd >= 0) close(fd);
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace brisa_test
