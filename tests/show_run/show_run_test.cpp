// The real show from its first row to its end, with the staged assets and the real song.
#include <gtest/gtest.h>

#include <filesystem>

#include "child_process.h"
#include "setup_transcript.h"
#include "show_output.h"
#include "support/file_contents.h"
#include "support/work_dir.h"

namespace brisa_test {
namespace {

constexpr const char* Program = BRISA_DEMO_PROGRAM;
constexpr const char* SoundFile = "show-output.raw";
// The song, a second's wait before it, set-up, and shut-down, with room for a busy machine.
constexpr int ShowLimitSeconds = 420;
constexpr double SongSeconds = 215.0;
constexpr double SongSecondsTolerance = 5.0;
// 44100 frames of two 16-bit channels.
constexpr double SoundBytesPerSecond = 44100.0 * 4;

// Every staged file as it is, copied: a link to the folder would do, but mingw's library makes none.
void CopyStagedAssets() {
  const std::filesystem::path stage = StagedPath("");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(StagedPath("Assets"))) {
    if (!entry.is_regular_file()) continue;
    const std::filesystem::path target = entry.path().lexically_relative(stage);
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(entry.path(), target);
  }
}

TEST(ShowRun, PlaysTheWholeSongAndEndsCleanly) {
  ScopedWorkDir dir;
  CopyStagedAssets();
  const ChildResult run = RunChild(Program, UnattendedWithDiskAudio(SoundFile), ShowLimitSeconds);
  ASSERT_TRUE(run.exited) << (run.seconds >= ShowLimitSeconds ? "still running at the time limit" : "ended by a signal")
                          << " after " << run.seconds << " s\n" << run.err;
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(ConsoleText(run.out), ExpectedRunWith({}).out);
  EXPECT_EQ(ProgramErrors(run.err), "");

  const std::string music = MixedSong(ReadFile("Assets/sorvane.mod"));
  EXPECT_NEAR(static_cast<double>(music.size()) / SoundBytesPerSecond, SongSeconds, SongSecondsTolerance);
  EXPECT_EQ(SongWrittenWhole(ReadFile(SoundFile), music), "");
}

}  // namespace
}  // namespace brisa_test
