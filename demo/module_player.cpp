// libmodplug settings and module loading for the song.
#include "demo/module_player.h"

#include <filesystem>
#include <fstream>

void ApplySongSettings() {
  ModPlug_Settings settings;
  ModPlug_GetSettings(&settings);
  settings.mStereoSeparation = SongStereoSeparation;
  settings.mLoopCount = SongLoopCount;
  ModPlug_SetSettings(&settings);
}

bool ReadWholeFile(const char* path, std::vector<uint8_t>& bytes) {
  // A folder opens for reading on this platform but has no bytes to give.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return false;
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  file.seekg(0, std::ios::beg);
  bytes.assign(size > 0 ? static_cast<size_t>(size) : 0u, 0);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return true;
}

ModPlugFile* LoadSong(const std::vector<uint8_t>& bytes) {
  // libmodplug takes an int size; an empty image is never a module.
  if (bytes.empty() || bytes.size() > static_cast<size_t>(INT32_MAX)) return nullptr;
  return ModPlug_Load(bytes.data(), static_cast<int>(bytes.size()));
}
