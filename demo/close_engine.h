// Releasing what the engine opened: the unit quad, the window, and SDL itself.
#pragma once

// Deletes the unit-quad vertex array and buffers that exist, destroys the window and quits SDL.
// The context, the resources and the engine record are left to the end of the process.
void CloseEngine();
