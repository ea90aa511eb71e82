// Loading the song and reading the player's position and row cells into the snapshot.
#include <gtest/gtest.h>

#include <vector>

#include "demo/module_player.h"
#include "demo/music_snapshot.h"
#include "support/mod_fixture.h"
#include "support/work_dir.h"

namespace {

using brisa_test::ModFixture;
using brisa_test::ScopedWorkDir;

std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

TEST(ModulePlayer, ReadsTheWholeFileAndRefusesWhatItCannotOpen) {
  ScopedWorkDir dir;
  const std::string module = brisa_test::MakeTestModule();
  dir.WriteFile("Assets/sorvane.mod", module);
  dir.WriteFile("Assets/folder/file", "x");
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile("Assets/sorvane.mod", bytes));
  EXPECT_EQ(bytes, Bytes(module));
  EXPECT_FALSE(ReadWholeFile("Assets/missing.mod", bytes));
  EXPECT_FALSE(ReadWholeFile("Assets/folder", bytes));
}

TEST(ModulePlayer, MakesAPlayerOnlyFromAModule) {
  ModPlugFile* song = LoadSong(Bytes(brisa_test::MakeTestModule()));
  ASSERT_NE(song, nullptr);
  ModPlug_Unload(song);
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case refused[] = {
      {"empty file", ""},
      {"text", "This is not a module.\n"},
      {"a PNG signature", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(2000, '\0')},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(LoadSong(Bytes(c.bytes)), nullptr);
  }
}

TEST(ModulePlayer, SettingsChangeOnlySeparationAndLoopCount) {
  ModPlug_Settings before;
  ModPlug_GetSettings(&before);
  ApplySongSettings();
  ModPlug_Settings after;
  ModPlug_GetSettings(&after);
  EXPECT_EQ(after.mStereoSeparation, 64);
  EXPECT_EQ(after.mLoopCount, 1);
  EXPECT_EQ(after.mChannels, 2);
  EXPECT_EQ(after.mBits, 16);
  EXPECT_EQ(after.mFrequency, 44100);
  EXPECT_EQ(after.mFlags, before.mFlags);
  EXPECT_EQ(after.mResamplingMode, before.mResamplingMode);
}

// Mixes until the player has reached `order`, a buffer at a time.
void PlayUntilOrder(ModPlugFile* song, MusicSnapshot& snapshot, int order) {
  std::vector<char> buffer(4096);
  for (int guard = 0; guard < 2000 && snapshot.order < order; ++guard) {
    ModPlug_Read(song, buffer.data(), static_cast<int>(buffer.size()));
    ReadMusicSnapshot(song, snapshot);
  }
}

TEST(MusicSnapshot, FollowsTheSongAndItsRowCells) {
  ApplySongSettings();
  ModFixture fixture;
  fixture.orders = 3;
  fixture.rowsPerPattern = 4;
  fixture.beatEveryRows = 1;
  ModPlugFile* song = LoadSong(Bytes(brisa_test::MakeTestModule(fixture)));
  ASSERT_NE(song, nullptr);
  MusicSnapshot snapshot;
  snapshot.order = -1;
  ReadMusicSnapshot(song, snapshot);
  EXPECT_EQ(snapshot.order, 0);
  PlayUntilOrder(song, snapshot, 2);
  EXPECT_EQ(snapshot.order, 2);
  EXPECT_EQ(snapshot.pattern, 0);
  EXPECT_LT(snapshot.row, 4);
  EXPECT_EQ(snapshot.rowInstrument[0], brisa_test::FixtureMelodySample);
  EXPECT_EQ(snapshot.rowInstrument[1], 0);
  EXPECT_EQ(snapshot.rowInstrument[2], brisa_test::FixtureBeatSample);
  EXPECT_GT(snapshot.rowNote[0], 0);
  EXPECT_GT(snapshot.rowNote[2], snapshot.rowNote[0]) << "the beat plays an octave higher";
  EXPECT_EQ(snapshot.rowNote[1], 0);
  ModPlug_Unload(song);
}

TEST(MusicSnapshot, TakesTheSameValuesUnderTheDeviceLock) {
  ModPlugFile* song = LoadSong(Bytes(brisa_test::MakeTestModule()));
  ASSERT_NE(song, nullptr);
  std::vector<char> buffer(16384);
  ModPlug_Read(song, buffer.data(), static_cast<int>(buffer.size()));
  MusicSnapshot direct;
  MusicSnapshot locked;
  ReadMusicSnapshot(song, direct);
  // No device is open here: the lock is a no-op and the read must still happen.
  TakeMusicSnapshot(song, 0, locked);
  EXPECT_EQ(locked.row, direct.row);
  EXPECT_EQ(locked.rowNote[0], direct.rowNote[0]);
  EXPECT_EQ(locked.rowInstrument[2], direct.rowInstrument[2]);
  ModPlug_Unload(song);
}

}  // namespace
