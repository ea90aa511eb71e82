// Making the song's player from libmodplug's settings and the module file read whole.
#pragma once

#include <cstdint>
#include <vector>

#include <libmodplug/modplug.h>

constexpr const char* SongModulePath = "Assets/sorvane.mod";
constexpr int SongStereoSeparation = 64;
constexpr int SongLoopCount = 1;

// Changes only the stereo separation and the loop count; the defaults match the device format.
void ApplySongSettings();

// The whole file as bytes; false when it is no regular file or cannot be opened.
bool ReadWholeFile(const char* path, std::vector<uint8_t>& bytes);

// The player for a module image; null when the bytes are not a module libmodplug can play.
ModPlugFile* LoadSong(const std::vector<uint8_t>& bytes);
