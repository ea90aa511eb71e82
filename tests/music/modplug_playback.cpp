// The one place that reaches into libmodplug's CSoundFile, as the demo's snapshot does.
#include "modplug_playback.h"

#include <cstdint>
// sndfile.h needs the fixed-width types and stdafx.h first, and floods the global namespace:
// it stays in this file.
#include <libmodplug/stdafx.h>
#include <libmodplug/sndfile.h>
#include <libmodplug/modplug.h>

namespace music_test {
namespace {

constexpr int BytesPerFrame = 4;
constexpr int64_t SafetyCapFrames = int64_t(SampleRateHz) * 60 * 10;

// The CSoundFile is the first member of a ModPlugFile.
const CSoundFile& SoundFileOf(ModPlugFile* file) { return *reinterpret_cast<const CSoundFile*>(file); }

PlayerState Capture(ModPlugFile* file, int64_t framesPlayed) {
  const CSoundFile& song = SoundFileOf(file);
  PlayerState state;
  state.framesPlayed = framesPlayed;
  state.order = int(song.m_nCurrentPattern);
  state.pattern = int(song.m_nPattern);
  state.row = int(song.m_nRow);
  for (int channel = 0; channel < 4; ++channel) {
    state.rowNote[channel] = song.Chn[channel].nRowNote;
    state.rowInstrument[channel] = song.Chn[channel].nRowInstr;
  }
  return state;
}

}  // namespace

Playback PlayWithModplug(const std::vector<uint8_t>& module, int framesPerRead, bool keepPcm) {
  Playback playback;
  ModPlug_Settings settings;
  ModPlug_GetSettings(&settings);
  settings.mStereoSeparation = 64;
  settings.mLoopCount = 1;
  ModPlug_SetSettings(&settings);
  ModPlugFile* file = ModPlug_Load(module.data(), int(module.size()));
  if (!file) return playback;
  playback.loaded = true;
  std::vector<int16_t> buffer(size_t(framesPerRead) * 2);
  while (playback.totalFrames < SafetyCapFrames) {
    const int bytes = ModPlug_Read(file, buffer.data(), int(buffer.size() * sizeof(int16_t)));
    if (bytes == 0) {
      playback.endedWithZeroRead = true;
      break;
    }
    const int frames = bytes / BytesPerFrame;
    playback.totalFrames += frames;
    if (keepPcm) playback.pcm.insert(playback.pcm.end(), buffer.begin(), buffer.begin() + frames * 2);
    playback.states.push_back(Capture(file, playback.totalFrames));
  }
  ModPlug_Unload(file);
  return playback;
}

}  // namespace music_test
