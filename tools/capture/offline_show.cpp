// Stepping the song and the timeline together, the display's frame clock leading the mix.
#include "tools/capture/offline_show.h"

#include "demo/audio.h"
#include "demo/demo_clock.h"
#include "demo/music_snapshot.h"
#include "demo/timeline.h"
#include "tools/capture/offline_pacing.h"

namespace show_capture {

OfflineShow::OfflineShow(int32_t clockStartMs, MixedBytes mixed) : clockStartMs_(clockStartMs), mixer_(mixed) {
  timelineState = SceneIntro;
  StartDemoClock(demoClock, static_cast<uint32_t>(clockStartMs));
  songGoesOn_ = MixForFrame(0);
}

bool OfflineShow::MixForFrame(int64_t index) {
  if (!mixer_.MixUntil(BuffersTakenBy(FramePlaybackMs(index)))) return false;
  ReadMusicSnapshot(songModule, upcomingMusic_);
  return true;
}

bool OfflineShow::PlayFrame(const std::function<void()>& update) {
  if (!songGoesOn_) return false;
  frame_.index = framesPlayed_;
  frame_.playbackMs = FramePlaybackMs(frame_.index);
  frame_.clockMs = FrameClockMs(frame_.index, clockStartMs_);
  frame_.music = upcomingMusic_;
  AdvanceDemoClock(demoClock, static_cast<uint32_t>(frame_.clockMs));
  musicSnapshot = frame_.music;
  // The device mixes the next frame's music while this one is drawn; mixing it now tells whether
  // this frame is the last.
  songGoesOn_ = MixForFrame(frame_.index + 1);
  frame_.lastFrame = !songGoesOn_;
  frame_.nextMusic = songGoesOn_ ? upcomingMusic_ : MusicSnapshot{};
  update();
  ++framesPlayed_;
  return true;
}

bool OfflineShow::PlayFrame() {
  return PlayFrame(UpdateDemo);
}

}  // namespace show_capture
