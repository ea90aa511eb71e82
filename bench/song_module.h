// The player the audio callback reads, made as main makes it, for the benchmarks that play the song.
#pragma once

namespace brisa_bench {

// Replaces songModule with a new player of Assets/sorvane.mod; false, and null, when it cannot load.
bool LoadSongModule();

}  // namespace brisa_bench
