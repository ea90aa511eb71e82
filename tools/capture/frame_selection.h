// Which frames of the show a capture wants: by display time, by song position, and for the sheet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demo/music_state.h"

namespace show_capture {

struct FrameChoice {
  bool byPosition = false;
  int64_t playbackMs = 0;  // the first frame shown at or after this time
  int32_t order = 0;       // or the first frame at this order position and row
  int32_t row = 0;

  // "at_61000ms.png" or "order05_row32.png".
  std::string FileName() const;
  // "61000 ms" or "order 5 row 32", for messages.
  std::string Label() const;
};

struct FramePicks {
  std::vector<size_t> choices;  // indices of the choices this frame fulfils
  bool sheet = false;           // a contact-sheet moment
  bool any() const { return sheet || !choices.empty(); }
};

class FrameSelection {
 public:
  // sheetEveryMs 0: no contact sheet.
  FrameSelection(std::vector<FrameChoice> choices, int64_t sheetEveryMs);

  // What the frame at playbackMs with `music` fulfils; each choice is fulfilled once only.
  FramePicks Pick(int64_t playbackMs, const MusicSnapshot& music);

  const std::vector<FrameChoice>& choices() const { return choices_; }
  // Choices no frame has fulfilled so far.
  std::vector<FrameChoice> Unfulfilled() const;

 private:
  std::vector<FrameChoice> choices_;
  std::vector<bool> fulfilled_;
  int64_t sheetEveryMs_;
  int64_t nextSheetMs_ = 0;
};

}  // namespace show_capture
