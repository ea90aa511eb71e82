// The one place that reaches into libmodplug's CSoundFile (its header floods the namespace).
#include "demo/music_snapshot.h"

#include <cstdint>

#include <libmodplug/stdafx.h>
#include <libmodplug/sndfile.h>

namespace {

constexpr int SnapshotChannels = 4;

// A ModPlugFile holds its CSoundFile as its first and only member.
const CSoundFile& SoundFileOf(ModPlugFile* module) {
  return *reinterpret_cast<const CSoundFile*>(module);
}

}  // namespace

void ReadMusicSnapshot(ModPlugFile* module, MusicSnapshot& snapshot) {
  const CSoundFile& song = SoundFileOf(module);
  snapshot.row = static_cast<int32_t>(song.m_nRow);
  snapshot.pattern = static_cast<int32_t>(song.m_nPattern);
  snapshot.order = static_cast<int32_t>(song.m_nCurrentPattern);
  for (int channel = 0; channel < SnapshotChannels; ++channel) {
    snapshot.rowInstrument[channel] = song.Chn[channel].nRowInstr;
    snapshot.rowNote[channel] = static_cast<int32_t>(static_cast<uint8_t>(song.Chn[channel].nRowNote));
  }
}

void TakeMusicSnapshot(ModPlugFile* module, SDL_AudioDeviceID device, MusicSnapshot& snapshot) {
  SDL_LockAudioDevice(device);
  ReadMusicSnapshot(module, snapshot);
  SDL_UnlockAudioDevice(device);
}
