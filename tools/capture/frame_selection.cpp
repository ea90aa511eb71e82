// Matching show frames against the captures asked for.
#include "tools/capture/frame_selection.h"

#include <cstdio>
#include <utility>

namespace show_capture {

std::string FrameChoice::FileName() const {
  char name[64];
  if (byPosition) {
    std::snprintf(name, sizeof name, "order%02d_row%02d.png", order, row);
  } else {
    std::snprintf(name, sizeof name, "at_%lldms.png", static_cast<long long>(playbackMs));
  }
  return name;
}

std::string FrameChoice::Label() const {
  if (byPosition) return "order " + std::to_string(order) + " row " + std::to_string(row);
  return std::to_string(playbackMs) + " ms";
}

FrameSelection::FrameSelection(std::vector<FrameChoice> choices, int64_t sheetEveryMs)
    : choices_(std::move(choices)), fulfilled_(choices_.size(), false), sheetEveryMs_(sheetEveryMs) {}

FramePicks FrameSelection::Pick(int64_t playbackMs, const MusicSnapshot& music) {
  FramePicks picks;
  for (size_t i = 0; i < choices_.size(); ++i) {
    const FrameChoice& choice = choices_[i];
    const bool due =
        choice.byPosition ? (music.order == choice.order && music.row == choice.row) : playbackMs >= choice.playbackMs;
    if (due && !fulfilled_[i]) {
      fulfilled_[i] = true;
      picks.choices.push_back(i);
    }
  }
  if (sheetEveryMs_ > 0 && playbackMs >= nextSheetMs_) {
    picks.sheet = true;
    while (nextSheetMs_ <= playbackMs) nextSheetMs_ += sheetEveryMs_;
  }
  return picks;
}

std::vector<FrameChoice> FrameSelection::Unfulfilled() const {
  std::vector<FrameChoice> left;
  for (size_t i = 0; i < choices_.size(); ++i) {
    if (!fulfilled_[i]) left.push_back(choices_[i]);
  }
  return left;
}

}  // namespace show_capture
