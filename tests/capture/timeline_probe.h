// The sections of the show as they follow each other: which state came on at which song position.
#pragma once

#include <cstdint>
#include <vector>

#include "show_probe.h"

namespace show_capture {

struct SectionEntry {
  int state = 0;
  int32_t order = 0;
  int64_t playbackMs = 0;
};

class TimelineProbe : public SectionProbe {
 public:
  bool Wants(const ShowFrame&) override { return false; }
  void Observe(const ShowFrame& frame, bool rendered) override;

  std::vector<SectionEntry> entries;  // the first frame of each state, in show order
  int64_t frames = 0;
  int64_t lastPlaybackMs = 0;
};

}  // namespace show_capture
