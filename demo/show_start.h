// The start-up steps the program and the offline show share, each to be taken in the order given.
#pragma once

#include <cstdint>

// The program's wait between set-up and the song, in which the window shows nothing yet.
constexpr uint32_t SongStartDelayMs = 1000;

// Engine::Instance into gEngine, the resource manager, the run flag at its value before the first
// callback, then InitDemo. False when scene set-up failed; the engine is then left open.
bool SetUpShow();

enum class SongPlayerOutcome {
  Made,
  ModuleUnreadable,  // "Assets/sorvane.mod" cannot be opened
  ModuleUnplayable,  // libmodplug cannot make a player of it
};

// libmodplug's settings for the song, then songModule made from the module file read whole.
SongPlayerOutcome MakeSongPlayer();

// The timeline held before its first section through the wait, then put at the intro.
void WaitBeforeTheSong();
