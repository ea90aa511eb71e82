// The sound device request and the audio-thread callback.
#include "demo/audio.h"

std::atomic<int32_t> lastAudioBytes{0};
ModPlugFile* songModule = nullptr;

void AudioCallback(void* /*userData*/, Uint8* stream, int length) {
  lastAudioBytes.store(ModPlug_Read(songModule, stream, length), std::memory_order_relaxed);
}

SDL_AudioSpec SongAudioRequest() {
  SDL_AudioSpec request{};
  request.freq = AudioFrequencyHz;
  request.format = AUDIO_S16LSB;
  request.channels = AudioChannels;
  request.samples = AudioBufferFrames;
  request.callback = AudioCallback;
  request.userdata = nullptr;
  return request;
}

SDL_AudioDeviceID OpenSongAudioDevice() {
  const SDL_AudioSpec request = SongAudioRequest();
  SDL_AudioSpec obtained{};
  return SDL_OpenAudioDevice(nullptr, 0, &request, &obtained, SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
}
