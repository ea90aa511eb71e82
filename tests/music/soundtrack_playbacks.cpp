// Cached playbacks of the staged soundtrack.
#include "soundtrack_playbacks.h"

namespace music_test {

const std::vector<uint8_t>& Soundtrack() {
  static const std::vector<uint8_t> bytes = StagedSoundtrack();
  return bytes;
}

const ModLayout& SoundtrackLayout() {
  static const ModLayout layout = ReadModLayout(Soundtrack());
  return layout;
}

const Playback& FinePlayback() {
  static const Playback playback = PlayWithModplug(Soundtrack(), FineReadFrames, false);
  return playback;
}

const Playback& DemoPlayback() {
  static const Playback playback = PlayWithModplug(Soundtrack(), DemoBufferFrames, true);
  return playback;
}

double Seconds(int64_t frames) { return double(frames) / SampleRateHz; }

int FirstStateAt(const Playback& playback, int order, int row) {
  for (size_t i = 0; i < playback.states.size(); ++i)
    if (playback.states[i].order == order && playback.states[i].row == row) return int(i);
  return -1;
}

}  // namespace music_test
