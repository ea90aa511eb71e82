// Rounding colour channels to bytes.
#include "tools/common/colour.h"

#include <algorithm>
#include <cmath>

namespace tools {

uint8_t ToByte(float channel) {
  return static_cast<uint8_t>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

}  // namespace tools
