// Reading a regular file whole, in binary: the one reader under the shader sources and the song.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// How much of a file ReadRegularFile got.
enum class RegularFileRead {
  NotOpened,  // no regular file of that name, or it would not open
  Short,      // opened, but its length could not be told or fewer bytes arrived
  Whole,
};

// Reads the file at `path` into `bytes` as they are, followed by `zeroTail` zero bytes. Only a
// regular file is read: a folder or a pipe of that name would give no length, or never end. Read
// short, `bytes` keeps zeros where nothing arrived, and only the tail when the length was untold.
RegularFileRead ReadRegularFile(const std::string& path, std::vector<uint8_t>& bytes, size_t zeroTail);
