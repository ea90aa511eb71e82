// Loading the song with libmodplug's settings applied first, as main does.
#include "bench/song_module.h"

#include "demo/audio.h"
#include "demo/show_start.h"

namespace brisa_bench {

bool LoadSongModule() {
  if (songModule != nullptr) ModPlug_Unload(songModule);
  songModule = nullptr;
  return MakeSongPlayer() == SongPlayerOutcome::Made;
}

}  // namespace brisa_bench
