// Loading the song with libmodplug's settings applied first, as main does.
#include "bench/song_module.h"

#include <cstdint>
#include <vector>

#include "demo/audio.h"
#include "demo/module_player.h"

namespace brisa_bench {

bool LoadSongModule() {
  if (songModule != nullptr) ModPlug_Unload(songModule);
  ApplySongSettings();
  std::vector<uint8_t> bytes;
  songModule = ReadWholeFile(SongModulePath, bytes) ? LoadSong(bytes) : nullptr;
  return songModule != nullptr;
}

}  // namespace brisa_bench
