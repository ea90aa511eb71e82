// A copy of everything the timeline animates, so the show can be put back at a captured moment.
#pragma once

#include <memory>

namespace show_capture {

struct SceneStateData;

// Taken from the live scene objects, timeline globals, clock, snapshot and camera; Restore writes
// them all back. Needs InitDemo to have filled the owners. Copies share the one state taken.
class SceneState {
 public:
  static SceneState Capture();
  void Restore() const;

 private:
  std::shared_ptr<const SceneStateData> data_;
};

}  // namespace show_capture
