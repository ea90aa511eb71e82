// Vertical gradients between colour stops.
#pragma once

#include <vector>

#include <glm/glm.hpp>

namespace sprites {

// Colour stops by position 0..1; two stops at one position make a hard edge (the chrome horizon).
struct Gradient {
  struct Stop {
    float at;
    glm::vec3 color;
  };
  std::vector<Stop> stops;
  glm::vec3 At(float t) const;
};

}  // namespace sprites
