// The song mixed buffer by buffer through the program's own audio callback, every byte kept if asked.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace show_capture {

// A whole song's bytes are tens of megabytes: a caller that only plays the show drops them.
enum class MixedBytes { Kept, Dropped };

// Mixes songModule (which must be loaded) with AudioCallback, which also publishes lastAudioBytes.
class SoundtrackMixer {
 public:
  explicit SoundtrackMixer(MixedBytes mixed = MixedBytes::Kept) : mixed_(mixed) {}

  // Mixes until `buffers` have been taken in all; false once a buffer has brought no music (the
  // song is over), after which nothing more is mixed.
  bool MixUntil(int64_t buffers);

  // The music produced so far (none when dropped): 44100 Hz, signed 16-bit little-endian, stereo.
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> TakeBytes() { return std::move(bytes_); }

 private:
  MixedBytes mixed_;
  int64_t buffersTaken_ = 0;
  bool ended_ = false;
  std::vector<uint8_t> bytes_;
};

}  // namespace show_capture
