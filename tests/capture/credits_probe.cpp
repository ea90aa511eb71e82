// Picking and keeping the frames of the credits section.
#include "credits_probe.h"

#include <algorithm>

#include "demo/timeline.h"

namespace show_capture {

bool CreditsProbe::InCredits(const ShowFrame& frame) const {
  return frame.timelineState == SceneCredits && frame.music.order >= FirstOrder && frame.music.order <= LastOrder;
}

bool CreditsProbe::Wants(const ShowFrame& frame) {
  return InCredits(frame) && frame.music.row >= ShotRow && shots.count(frame.music.order) == 0;
}

void CreditsProbe::Observe(const ShowFrame& frame, bool rendered) {
  if (!InCredits(frame)) return;
  int& tallest = tallestCredit[frame.music.order];
  tallest = std::max({tallest, static_cast<int>(creditsTitleRect.height), static_cast<int>(creditsNameRect.height)});
  if (rendered && Wants(frame))
    shots.emplace(frame.music.order, CreditShot{TakeShot(frame), creditsTitleRect, creditsNameRect});
}

}  // namespace show_capture
