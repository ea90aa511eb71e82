// The songs as module fixtures, the environments of a run, the size of what it wrote.
#include "demo_run.h"

#include <filesystem>

#include "show_output.h"

namespace brisa_test {

ModFixture ShortSong() {
  ModFixture song;
  song.orders = 2;
  song.rowsPerPattern = 8;
  return song;
}

ModFixture LongSong() {
  ModFixture song;
  song.orders = 8;
  song.rowsPerPattern = 64;
  return song;
}

ChildEnvironment DemoUnattended() { return UnattendedWithDiskAudio(DemoSoundFile); }

std::vector<NoSoundDevice> NoSoundDevices() {
  NoSoundDevice noDriver{"a driver that does not exist", DemoUnattended()};
  noDriver.environment["SDL_AUDIODRIVER"] = "no_such_driver";
  NoSoundDevice noFolder{"the disk driver writing into a folder that does not exist", DemoUnattended()};
  noFolder.environment["SDL_DISKAUDIOFILE"] = "no-such-folder/" + std::string(DemoSoundFile);
  return {noDriver, noFolder};
}

long FileSize(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  return error ? -1 : static_cast<long>(size);
}

}  // namespace brisa_test
