// A wrapper of libmodplug's unload that notes whether the watched device could still call back.
#include "player_unloads.h"

#include <libmodplug/modplug.h>

namespace {

struct Watch {
  bool on = false;
  SDL_AudioDeviceID device = 0;
  std::vector<SDL_AudioStatus> status;
};

Watch watch;

}  // namespace

extern "C" void __real_ModPlug_Unload(ModPlugFile* file);

extern "C" void __wrap_ModPlug_Unload(ModPlugFile* file) {
  if (watch.on) watch.status.push_back(SDL_GetAudioDeviceStatus(watch.device));
  __real_ModPlug_Unload(file);
}

namespace brisa_test {

PlayerUnloads::PlayerUnloads(SDL_AudioDeviceID device) { watch = Watch{true, device, {}}; }

PlayerUnloads::~PlayerUnloads() { watch = Watch{}; }

const std::vector<SDL_AudioStatus>& PlayerUnloads::deviceStatus() const { return watch.status; }

}  // namespace brisa_test
