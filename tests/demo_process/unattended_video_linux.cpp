// Linux: SDL's offscreen driver, whose OpenGL context comes through EGL without a display.
#include "unattended_video.h"

namespace brisa_test {

const char* UnattendedVideoDriver() { return "offscreen"; }

}  // namespace brisa_test
