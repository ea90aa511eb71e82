// Windows: SDL's offscreen driver needs an EGL library Windows does not have, so the show opens its
// real window, which Wine puts on the X server of the test run.
#include "unattended_video.h"

namespace brisa_test {

const char* UnattendedVideoDriver() { return "windows"; }

}  // namespace brisa_test
