// Colours as the painters mix them, glm::vec3 channels of 0..1: made from hex codes, rounded to bytes.
#pragma once

#include <cstdint>

#include <glm/glm.hpp>

namespace tools {

// From 0xRRGGBB.
constexpr glm::vec3 Hex(uint32_t rgb) {
  return glm::vec3(float((rgb >> 16) & 0xFF) / 255.0f, float((rgb >> 8) & 0xFF) / 255.0f, float(rgb & 0xFF) / 255.0f);
}

// A channel of 0..1 (clamped) as the nearest of 0..255.
uint8_t ToByte(float channel);

}  // namespace tools
