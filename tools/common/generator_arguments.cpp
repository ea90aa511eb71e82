// Reading the assets folder from a generator's command line.
#include "tools/common/generator_arguments.h"

#include <cstdio>

namespace tools {

std::optional<std::string> AssetsFolderArgument(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
    return std::nullopt;
  }
  return std::string(argv[1]) + "/";
}

}  // namespace tools
