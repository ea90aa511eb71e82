// The main loop: events, clock, music snapshot, update, picture, once per frame.
#include "demo/show_loop.h"

#include "demo/audio.h"
#include "demo/demo_clock.h"
#include "demo/frame_picture.h"
#include "demo/music_snapshot.h"
#include "demo/timeline.h"

namespace {

// Drains the queue; true when it held a quit or an Escape key press.
bool QuitRequestedByEvents() {
  bool quit = false;
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    if (event.type == SDL_QUIT) quit = true;
    if (event.type == SDL_KEYDOWN && event.key.keysym.scancode == SDL_SCANCODE_ESCAPE) quit = true;
  }
  return quit;
}

}  // namespace

void RunShowLoop(SDL_AudioDeviceID audioDevice) {
  bool quitRequested = false;
  while (lastAudioBytes != 0 && !quitRequested) {
    quitRequested = QuitRequestedByEvents();
    AdvanceDemoClock(demoClock, SDL_GetTicks());
    TakeMusicSnapshot(songModule, audioDevice, musicSnapshot);
    UpdateDemo();
    DrawFrame();
    PresentFrame();
  }
}
