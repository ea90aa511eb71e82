// A private X server for the tests that need a real X display, such as keyboard input or GLX.
#pragma once

#include <string>

namespace brisa_test {

// An X server of its own on a free display, stopped on destruction. `screen` is Xvfb's
// WIDTHxHEIGHTxDEPTH for its one screen.
class ScopedXvfb {
 public:
  explicit ScopedXvfb(const std::string& screen = "1920x1080x24");
  ~ScopedXvfb();
  ScopedXvfb(const ScopedXvfb&) = delete;
  ScopedXvfb& operator=(const ScopedXvfb&) = delete;

  // ":N", or empty when the server did not come up.
  const std::string& display() const { return display_; }

 private:
  int pid_ = -1;
  std::string display_;
};

}  // namespace brisa_test
