// The command line of a generator that writes into one assets folder.
#pragma once

#include <optional>
#include <string>

namespace tools {

// The folder of `program <assets folder>`, with a "/" after it; nothing, after a usage line on
// standard error, for any other arguments.
std::optional<std::string> AssetsFolderArgument(int argc, char** argv);

}  // namespace tools
