// The real show played offline, with the program's own code, at a steady 60 Hz and mixed as a device would.
#pragma once

#include <cstdint>
#include <vector>

#include "demo/show_start.h"
#include "tools/capture/offline_show.h"

namespace show_capture {

// The program starts its clock after its wait before the song, so no frame sees a clock below this.
constexpr int32_t ClockStartMs = static_cast<int32_t>(SongStartDelayMs);

// A played frame as the observers see it.
struct ShowFrame : OfflineFrame {
  ShowFrame() = default;
  explicit ShowFrame(const OfflineFrame& played) : OfflineFrame(played) {}

  int timelineState = 0;  // after the frame's UpdateDemo
  // The frame the screen grab keeps: the credits are on and the next frame enters the shatter.
  bool lastCreditsFrame = false;
};

class ShowObserver {
 public:
  virtual ~ShowObserver() = default;
  // Asked once per frame, after UpdateDemo: whether RenderDemo is to draw it. The last credits
  // frame is drawn whatever the answer, so the tiles hold the real picture.
  virtual bool WantsPicture(const ShowFrame& frame) = 0;
  // Called for every frame; when `rendered`, the default framebuffer holds the frame's picture.
  virtual void OnFrame(const ShowFrame& frame, bool rendered) = 0;
};

enum class ShowOutcome {
  Played,
  SetUpFailed,     // an effect shader or the greetings atlas is missing
  SongMissing,     // "Assets/sorvane.mod" cannot be read
  SongUnplayable,  // libmodplug cannot play it
};

struct ShowRun {
  ShowOutcome outcome = ShowOutcome::SetUpFailed;
  int64_t frames = 0;
  int64_t renderedFrames = 0;
  std::vector<uint8_t> soundtrack;  // every byte of music mixed, in order
};

// Runs once per process from a folder holding Assets/: the demo's globals and the window live as
// long as the process. The engine is left open, so the observer's results can still be read back.
// Window or context failures end the process inside the engine's start-up, as in the program.
ShowRun PlayShow(ShowObserver& observer);

}  // namespace show_capture
