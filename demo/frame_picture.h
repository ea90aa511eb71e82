// A frame's picture once the timeline is updated: drawn, kept for the shatter, presented.
#pragma once

// RenderDemo, then, while the credits run, the copy of the frame that the shatter cuts its tiles
// from: once presented, the window's back buffer holds nothing to be relied on. Leaves framebuffer
// 0 bound, the picture still in it.
void DrawFrame();

// Swaps the window's buffers, then flushes: a swap that presents nothing (offscreen, no vsync) would
// let the driver queue frames without bound, and the show would fall behind its music.
void PresentFrame();
