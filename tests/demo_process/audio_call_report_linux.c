/* Preloaded into the program: a line on standard error for each call it makes to open, pause or
   close its sound device and to make or free its player, with the formats each side takes. */
#define _GNU_SOURCE
#include <SDL.h>
#include <dlfcn.h>
#include <libmodplug/modplug.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

typedef SDL_AudioDeviceID (*DeviceOpener)(const char*, int, const SDL_AudioSpec*, SDL_AudioSpec*, int);
typedef void (*DevicePauser)(SDL_AudioDeviceID, int);
typedef void (*DeviceCloser)(SDL_AudioDeviceID);
typedef ModPlugFile* (*PlayerMaker)(const void*, int);
typedef void (*PlayerFreer)(ModPlugFile*);

/* One write per line, so that lines from several threads do not interleave. */
static void Report(const char* line) {
  char text[256];
  snprintf(text, sizeof text, "audio report: %s\n", line);
  /* Nothing to do about a failed write: a missing line fails the test that reads it. */
  if (write(STDERR_FILENO, text, strlen(text)) < 0) return;
}

static void ReportSpec(const char* what, const SDL_AudioSpec* spec, int allowedChanges) {
  char line[160];
  snprintf(line, sizeof line, "%s frequency %d format 0x%x channels %u allowed 0x%x", what, spec->freq,
           (unsigned)spec->format, (unsigned)spec->channels, (unsigned)allowedChanges);
  Report(line);
}

SDL_AudioDeviceID SDL_OpenAudioDevice(const char* device, int capture, const SDL_AudioSpec* desired,
                                      SDL_AudioSpec* obtained, int allowedChanges) {
  const DeviceOpener open = (DeviceOpener)dlsym(RTLD_NEXT, "SDL_OpenAudioDevice");
  ReportSpec("device asked", desired, allowedChanges);
  const SDL_AudioDeviceID id = open(device, capture, desired, obtained, allowedChanges);
  if (id != 0 && obtained != NULL) ReportSpec("device opened", obtained, allowedChanges);
  return id;
}

void SDL_PauseAudioDevice(SDL_AudioDeviceID device, int pauseOn) {
  const DevicePauser pause = (DevicePauser)dlsym(RTLD_NEXT, "SDL_PauseAudioDevice");
  pause(device, pauseOn);
  Report(pauseOn != 0 ? "device paused" : "device unpaused");
}

void SDL_CloseAudioDevice(SDL_AudioDeviceID device) {
  const DeviceCloser close = (DeviceCloser)dlsym(RTLD_NEXT, "SDL_CloseAudioDevice");
  Report("device closed");
  close(device);
}

/* The settings in force when the player is made are the ones it mixes with. */
ModPlugFile* ModPlug_Load(const void* data, int size) {
  const PlayerMaker load = (PlayerMaker)dlsym(RTLD_NEXT, "ModPlug_Load");
  ModPlug_Settings settings;
  ModPlug_GetSettings(&settings);
  char line[160];
  snprintf(line, sizeof line, "player made frequency %d bits %d channels %d", settings.mFrequency, settings.mBits,
           settings.mChannels);
  Report(line);
  return load(data, size);
}

void ModPlug_Unload(ModPlugFile* file) {
  const PlayerFreer unload = (PlayerFreer)dlsym(RTLD_NEXT, "ModPlug_Unload");
  Report("player freed");
  unload(file);
}
