// What the process tests of the show share: the program, its songs, the time limit, the sound, no sound device.
#pragma once

#include <string>
#include <vector>

#include "child_process.h"
#include "support/mod_fixture.h"

namespace brisa_test {

constexpr const char* DemoProgram = BRISA_DEMO_PROGRAM;
constexpr const char* DemoSoundFile = "sorvane-output.raw";
constexpr int DemoRunLimitSeconds = 240;
// 60 seconds of the device's 44100 frames of two 16-bit channels: less than the long song.
constexpr long LongSongPartBytes = 60L * 176400;

// About two seconds of music: two orders of eight rows.
ModFixture ShortSong();

// About a minute of music, for the tests that end the show early.
ModFixture LongSong();

// The unattended video, and the sound written to DemoSoundFile.
ChildEnvironment DemoUnattended();

// A way for a run to find no sound device to open: DemoUnattended with other audio settings.
struct NoSoundDevice {
  const char* what;
  ChildEnvironment environment;
};

// A driver that does not exist, and the disk driver writing into a folder that does not exist.
std::vector<NoSoundDevice> NoSoundDevices();

// Size of a file in bytes; -1 when there is none.
long FileSize(const std::string& path);

}  // namespace brisa_test
