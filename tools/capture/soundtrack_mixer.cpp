// Mixing the song in device-sized buffers with the program's audio callback.
#include "tools/capture/soundtrack_mixer.h"

#include "demo/audio.h"
#include "tools/capture/offline_pacing.h"

namespace show_capture {

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

}  // namespace show_capture
