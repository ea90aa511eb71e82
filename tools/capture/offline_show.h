// The real song and the timeline stepped offline, as the main loop would step them on a 60 Hz display.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "demo/music_state.h"
#include "tools/capture/soundtrack_mixer.h"

namespace show_capture {

struct OfflineFrame {
  int64_t index = 0;
  int64_t playbackMs = 0;  // display time since playback started
  int32_t clockMs = 0;     // demoClock.timeMs of the frame
  MusicSnapshot music;     // the frame's snapshot
  bool lastFrame = false;  // the song is over before the next frame
  // The next frame's snapshot (unless lastFrame): its music is mixed while this frame is drawn.
  MusicSnapshot nextMusic;
};

// Plays songModule, which must be loaded, from the timeline's first section: frame n at its fixed
// display time, with the music a sound device has taken by then mixed through the program's own
// callback. Each frame's snapshot is read where that mix leaves the player.
class OfflineShow {
 public:
  OfflineShow(int32_t clockStartMs, MixedBytes mixed);

  // The next frame in the main loop's order: the demo clock advanced and the snapshot set, the
  // music the device takes while the frame is drawn mixed, then `update` run in UpdateDemo's place.
  // False, with nothing done, once the song has ended.
  bool PlayFrame(const std::function<void()>& update);
  // The same with UpdateDemo itself.
  bool PlayFrame();

  // The latest frame played.
  const OfflineFrame& frame() const { return frame_; }
  int64_t framesPlayed() const { return framesPlayed_; }
  // Every byte mixed so far, in order, when the mixed bytes are kept.
  std::vector<uint8_t> TakeSoundtrack() { return mixer_.TakeBytes(); }

 private:
  // Mixes what the device has taken by frame `index`'s display time and reads the snapshot it
  // leaves; false once the song is over.
  bool MixForFrame(int64_t index);

  int32_t clockStartMs_;
  SoundtrackMixer mixer_;
  bool songGoesOn_ = false;
  MusicSnapshot upcomingMusic_;
  OfflineFrame frame_;
  int64_t framesPlayed_ = 0;
};

}  // namespace show_capture
