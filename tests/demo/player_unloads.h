// The player's release as the device sees it: the demo tests wrap ModPlug_Unload.
#pragma once

#include <vector>

#include <SDL.h>

namespace brisa_test {

// While it lives, every ModPlug_Unload records the status `device` has at that moment.
class PlayerUnloads {
 public:
  explicit PlayerUnloads(SDL_AudioDeviceID device);
  ~PlayerUnloads();
  PlayerUnloads(const PlayerUnloads&) = delete;
  PlayerUnloads& operator=(const PlayerUnloads&) = delete;

  // One entry per unload, in order.
  const std::vector<SDL_AudioStatus>& deviceStatus() const;
};

}  // namespace brisa_test
