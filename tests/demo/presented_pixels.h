// The pictures the buffer swaps present, read back at each swap (the demo tests wrap SDL_GL_SwapWindow).
#pragma once

#include <vector>

#include "support/gl_context.h"

namespace brisa_test {

// While it lives, every swap first reads one pixel of the window's back buffer, the picture it is
// about to present; y counts from the top row.
class PresentedPixels {
 public:
  PresentedPixels(int x, int y);
  ~PresentedPixels();
  PresentedPixels(const PresentedPixels&) = delete;
  PresentedPixels& operator=(const PresentedPixels&) = delete;

  // One entry per swap, in order.
  const std::vector<Rgba>& read() const;
};

}  // namespace brisa_test
