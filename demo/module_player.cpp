// libmodplug settings and module loading for the song.
#include "demo/module_player.h"

#include "resources/regular_file.h"

void ApplySongSettings() {
  ModPlug_Settings settings;
  ModPlug_GetSettings(&settings);
  settings.mStereoSeparation = SongStereoSeparation;
  settings.mLoopCount = SongLoopCount;
  ModPlug_SetSettings(&settings);
}

bool ReadWholeFile(const char* path, std::vector<uint8_t>& bytes) {
  // Whatever arrived goes to libmodplug, which tells whether it still makes a module.
  return ReadRegularFile(path, bytes, 0) != RegularFileRead::NotOpened;
}

ModPlugFile* LoadSong(const std::vector<uint8_t>& bytes) {
  // libmodplug takes an int size; an empty image is never a module.
  if (bytes.empty() || bytes.size() > static_cast<size_t>(INT32_MAX)) return nullptr;
  return ModPlug_Load(bytes.data(), static_cast<int>(bytes.size()));
}
