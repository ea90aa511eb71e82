// Files a test reads back whole, such as the output a child process wrote to a temporary file.
#pragma once

#include <string>

namespace brisa_test {

// A new empty file /tmp/<stem>-XXXXXX; its path.
std::string MakeTempFile(const char* stem);

// Every byte of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace brisa_test
