// Recording the section changes of the show.
#include "timeline_probe.h"

namespace show_capture {

void TimelineProbe::Observe(const ShowFrame& frame, bool) {
  if (entries.empty() || entries.back().state != frame.timelineState) {
    entries.push_back(SectionEntry{frame.timelineState, frame.music.order, frame.playbackMs});
  }
  ++frames;
  lastPlaybackMs = frame.playbackMs;
}

}  // namespace show_capture
