// Files a test reads back whole, such as the output a child process wrote to a temporary file.
#pragma once

#include <string>

namespace brisa_test {

// A name for a new file or folder in the system's temporary folder, <stem>-<unique part>; nothing is made.
std::string UniqueTempPath(const char* stem);

// A new empty file in the system's temporary folder; its path.
std::string MakeTempFile(const char* stem);

// Every byte of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace brisa_test
