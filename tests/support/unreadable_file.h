// A file that opens for reading but fails every read, for the tests of read errors.
#pragma once

#include <memory>
#include <string>

namespace brisa_test {

// What opens but cannot be read differs by platform: a folder in the working folder on Linux; on
// Windows, where folders do not open at all, a named pipe that hangs up on its reader.
class UnreadableFile {
 public:
  explicit UnreadableFile(const std::string& name);
  ~UnreadableFile();
  UnreadableFile(const UnreadableFile&) = delete;
  UnreadableFile& operator=(const UnreadableFile&) = delete;

  // The name to open it by.
  const std::string& path() const { return path_; }

 private:
  struct Source;
  std::string path_;
  std::unique_ptr<Source> source_;
};

}  // namespace brisa_test
