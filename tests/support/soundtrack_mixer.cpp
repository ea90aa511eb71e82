// Mixing the song in device-sized buffers with the program's audio callback.
#include "support/soundtrack_mixer.h"

#include "demo/audio.h"
#include "support/offline_pacing.h"

namespace brisa_test {

bool SoundtrackMixer::MixUntil(int64_t buffers) {
  uint8_t buffer[MixBufferBytes];
  while (!ended_ && buffersTaken_ < buffers) {
    AudioCallback(nullptr, buffer, static_cast<int>(MixBufferBytes));
    ++buffersTaken_;
    const int32_t produced = lastAudioBytes.load();
    if (produced <= 0) {
      ended_ = true;
      break;
    }
    if (mixed_ == MixedBytes::Kept) bytes_.insert(bytes_.end(), buffer, buffer + produced);
  }
  return !ended_;
}

}  // namespace brisa_test
