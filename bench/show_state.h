// A copy of everything the timeline animates, so the show can be put back at a captured moment.
#pragma once

#include <memory>

namespace brisa_bench {

struct ShowStateData;

// Taken from the live scene objects, timeline globals, clock, snapshot and camera; Restore writes
// them all back. Needs InitDemo to have filled the owners.
class ShowState {
 public:
  static ShowState Capture();
  void Restore() const;

 private:
  std::shared_ptr<const ShowStateData> data_;
};

}  // namespace brisa_bench
