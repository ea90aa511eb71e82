// What the shatter section shows: the last credits frame cut into tiles that fall off the screen.
#pragma once

#include <glm/glm.hpp>
#include <optional>
#include <vector>

#include "show_probe.h"

namespace show_capture {

class ShatterProbe : public SectionProbe {
 public:
  // How long after the grab the falling tiles are pictured.
  static constexpr int64_t FallingAfterMs = 1000;

  bool Wants(const ShowFrame& frame) override;
  void Observe(const ShowFrame& frame, bool rendered) override;

  std::optional<Shot> lastCredits;  // the frame the grab keeps
  std::optional<Shot> grab;         // the first shatter frame
  tools::Image screenshotRows;      // the "Screenshot" texture at the grab, row 0 first
  std::vector<glm::vec3> laidOut;   // tile positions at the grab
  std::optional<Shot> falling;      // a while after the grab
  std::optional<Shot> lastShatter;  // the last shatter frame
  std::vector<glm::vec3> positionsAtEnd;

 private:
  bool IsGrab(const ShowFrame& frame) const;
  bool IsFalling(const ShowFrame& frame) const;
  bool IsLastShatter(const ShowFrame& frame) const;
};

// The tiles' screen positions now.
std::vector<glm::vec3> TilePositions();

}  // namespace show_capture
