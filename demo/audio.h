// The sound device and the callback that mixes the song on SDL's audio thread.
#pragma once

#include <atomic>
#include <cstdint>

#include <SDL.h>
#include <libmodplug/modplug.h>

constexpr int AudioFrequencyHz = 44100;
constexpr Uint8 AudioChannels = 2;
constexpr Uint16 AudioBufferFrames = 4096;
// The run flag's value until the first callback has mixed anything.
constexpr int32_t AudioBytesBeforeFirstCallback = 255;

// Bytes of music the latest callback produced; 0 once the song has ended.
extern std::atomic<int32_t> lastAudioBytes;
// The player of the song; null until main has made it.
extern ModPlugFile* songModule;

// Fills the device buffer from songModule and publishes the byte count; nothing else.
void AudioCallback(void* userData, Uint8* stream, int length);

// 44100 Hz, signed 16-bit little-endian, stereo, 4096 frames, fed by AudioCallback.
SDL_AudioSpec SongAudioRequest();
// Opens the default playback device, paused; only the buffer size may differ from the request.
SDL_AudioDeviceID OpenSongAudioDevice();
