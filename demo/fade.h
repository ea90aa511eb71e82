// The full-screen colour fade: a timed alpha ramp to or from a colour, drawn over the picture.
#pragma once

#include <cstdint>

struct Fade {
  // Makes the fade startable again; alpha and colour stay.
  void Reset();
  // Begins a ramp at the current demo time; ignored while a fade is started.
  void Start(uint32_t rgbColor, bool rampIn, int32_t durationMs);
  // Recomputes alpha and argb for the current demo time; stops at the end value.
  void Advance();

  bool started = false;
  bool finished = false;
  // true: alpha rises 0 to 255 (the colour covers the picture); false: it falls 255 to 0.
  bool fadeIn = false;
  int32_t startMs = 0;
  int32_t endMs = 0;
  uint32_t rgb = 0;
  int32_t alpha = 255;
  uint32_t argb = 0xff000000u;
};
