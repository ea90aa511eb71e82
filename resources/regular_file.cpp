// ReadRegularFile: one pass of the C++ library's file stream over a regular file.
#include "resources/regular_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

RegularFileRead ReadRegularFile(const std::string& path, std::vector<uint8_t>& bytes, size_t zeroTail) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return RegularFileRead::NotOpened;
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return RegularFileRead::NotOpened;
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (size < 0) {
    bytes.assign(zeroTail, 0);
    return RegularFileRead::Short;
  }
  file.seekg(0, std::ios::beg);
  bytes.assign(static_cast<size_t>(size) + zeroTail, 0);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  return file.gcount() == size ? RegularFileRead::Whole : RegularFileRead::Short;
}
