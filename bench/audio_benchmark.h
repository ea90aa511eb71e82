// Registration of the audio callback benchmark.
#pragma once

namespace brisa_bench {

// AudioCallback mixing 4096-frame buffers of the real song, from its start through its end.
void RegisterAudioBenchmark();

}  // namespace brisa_bench
