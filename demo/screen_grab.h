// The picture the tiles are cut from: the last credits frame, kept as it is presented.
#pragma once

// Called by DrawFrame, right before the buffer swap. While the credits run, copies the frame
// about to be presented into the "Screenshot" render texture (top row first), so the grab does not
// depend on what the window's back buffer holds after the swap. Leaves framebuffer 0 bound.
void KeepPresentedFrame();

// The grab of the shatter cue. Uses the kept frame when there is one; otherwise copies the
// window's read buffer. Leaves framebuffer 0 bound. Does nothing when there is no screenshot texture.
void GrabScreen();
