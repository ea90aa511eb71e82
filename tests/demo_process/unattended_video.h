// The video driver of the show's runs that nobody watches.
#pragma once

namespace brisa_test {

// SDL_VIDEODRIVER for a run that needs OpenGL but no screen of its own.
const char* UnattendedVideoDriver();

}  // namespace brisa_test
