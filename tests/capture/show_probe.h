// What the show tests watch: section probes that pick frames and keep what they saw, fed by one run.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "demo/music_state.h"
#include "demo/song_positions.h"
#include "tools/common/image.h"
#include "tools/capture/show_driver.h"

class Entity3D;

namespace show_capture {

// A drawn frame and its picture.
struct Shot {
  ShowFrame frame;
  tools::Image picture;
};

class SectionProbe {
 public:
  virtual ~SectionProbe() = default;
  // Whether the probe needs this frame's picture (asked once per frame, after UpdateDemo).
  virtual bool Wants(const ShowFrame& frame) = 0;
  // Every frame, after RenderDemo when `rendered`; the demo's globals hold the frame's state.
  virtual void Observe(const ShowFrame& frame, bool rendered) = 0;
};

// Hands every frame to each probe; a frame is drawn when any of them wants it.
class ProbeSet : public ShowObserver {
 public:
  explicit ProbeSet(std::vector<SectionProbe*> probes) : probes_(std::move(probes)) {}
  bool WantsPicture(const ShowFrame& frame) override;
  void OnFrame(const ShowFrame& frame, bool rendered) override;

 private:
  std::vector<SectionProbe*> probes_;
};

// A frame is at a song moment from its row of its order on, until the order ends.
struct SongMoment {
  SongPosition from;
  bool HeldBy(const MusicSnapshot& music) const { return music.order == from.order && music.row >= from.row; }
  // The frame right before the first one at the moment.
  bool JustBefore(const ShowFrame& frame) const {
    return !frame.lastFrame && !HeldBy(frame.music) && HeldBy(frame.nextMusic);
  }
};

// The fade overlay as a frame leaves it.
struct FadeState {
  int32_t alpha = 0;
  uint32_t argb = 0;
};
FadeState CurrentFade();

// The window's picture of the frame just drawn.
Shot TakeShot(const ShowFrame& frame);

// The same frame drawn again with `object` hidden, for a picture without it. The flamingo's
// mirrored pose, which every draw of the pair flips, is put back, so the show goes on unchanged.
tools::Image PictureWithout(Entity3D& object);

}  // namespace show_capture
