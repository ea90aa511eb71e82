// Reading pictures back from the window and from render textures.
#pragma once

#include "tools/common/image.h"

namespace show_capture {

// The default framebuffer's colour as RGB, top row first, at the build's screen size.
tools::Image ReadWindowPicture();

// A render texture's colour in the order its rows are stored, row 0 first; empty when the id names
// no texture with a framebuffer. Leaves framebuffer 0 bound for reading.
tools::Image ReadRenderTextureRows(int textureId);

}  // namespace show_capture
