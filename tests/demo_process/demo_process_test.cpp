// The program as a process on every platform: what it plays, what it prints when it cannot start.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "child_process.h"
#include "demo_run.h"
#include "pause_prompt.h"
#include "show_output.h"
#include "support/demo_assets.h"
#include "support/file_contents.h"
#include "support/work_dir.h"

namespace brisa_test {
namespace {

std::string LastLine(const std::string& text) {
  const size_t end = text.size() > 0 && text.back() == '\n' ? text.size() - 1 : text.size();
  const size_t start = text.rfind('\n', end == 0 ? 0 : end - 1);
  return text.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1));
}

// The prompt's whole output ends what the program printed, starting a line of its own.
testing::AssertionResult EndsWithThePrompt(const std::string& out) {
  const std::string& prompt = PausePromptOutput();
  const size_t start = out.size() - std::min(out.size(), prompt.size());
  if (out.size() > prompt.size() && out.compare(start, prompt.size(), prompt) == 0 && out[start - 1] == '\n') {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "the output ends \"" << out.substr(out.size() - std::min<size_t>(out.size(), 80))
                                     << "\", not a line then \"" << prompt << "\"";
}

TEST(DemoProcess, PlaysTheSongToItsEndAndWritesExactlyWhatThePlayerMixes) {
  ScopedWorkDir dir;
  WriteDemoAssets(dir, ShortSong(), true);
  const ChildResult run = RunChild(DemoProgram, DemoUnattended(), DemoRunLimitSeconds);
  ASSERT_TRUE(run.exited) << run.err;
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ProgramErrors(run.err), "");
  EXPECT_GE(run.seconds, 3.0) << "one second's wait, then two seconds of music";

  const std::string music = MixedSong(ReadFile("Assets/sorvane.mod"));
  const std::string written = ReadFile(DemoSoundFile);
  ASSERT_GT(music.size(), 300000u);
  const size_t offset = SongOffset(written, music);
  ASSERT_NE(offset, std::string::npos) << "the song, byte for byte";
  EXPECT_TRUE(OnlySilence(written.substr(0, offset))) << "silence while the device was paused";
  EXPECT_TRUE(OnlySilence(written, offset + music.size())) << "then only silence";
}

TEST(DemoProcess, AMissingMeshIsReportedAndTheShowStillRuns) {
  ScopedWorkDir dir;
  WriteDemoAssets(dir, ShortSong(), true);
  std::remove("Assets/plane.obj");
  const ChildResult run = RunChild(DemoProgram, DemoUnattended(), DemoRunLimitSeconds);
  ASSERT_TRUE(run.exited) << run.err;
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(ProgramErrors(run.err), "** Imposible crear Mesh: Assets/plane.obj\n");
  const std::string out = ConsoleText(run.out);
  EXPECT_NE(out.find("Adding Mesh: Assets/plane.obj (first request)\n"), std::string::npos);
  EXPECT_NE(out.find("Adding Texture Graphic Assets/greets.png (first request)\n"), std::string::npos);
}

TEST(DemoProcess, ASongThatCannotBePlayedEndsWithExitOneAndNoLineOfItsOwn) {
  struct Case {
    const char* what;
    bool present;
    std::string bytes;
  };
  const Case cases[] = {
      {"missing module", false, ""},
      {"text instead of a module", true, "This is not a module.\n"},
      {"empty module file", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedWorkDir dir;
    WriteDemoAssets(dir, ShortSong(), true);
    std::remove("Assets/sorvane.mod");
    if (c.present) dir.WriteFile("Assets/sorvane.mod", c.bytes);
    const ChildResult run = RunChild(DemoProgram, DemoUnattended(), DemoRunLimitSeconds);
    ASSERT_TRUE(run.exited) << run.err;
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(ProgramErrors(run.err), "");
    EXPECT_EQ(LastLine(ConsoleText(run.out)), "Adding Texture Graphic Assets/greets.png (first request)");
    EXPECT_TRUE(OnlySilence(ReadFile(DemoSoundFile))) << "the device was never unpaused";
  }
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Without a device no callback would ever run, and the show would stay silent in its first section
// until the viewer quits. The line comes before the module is read, so before the wait and the
// player: a missing module, which ends the run with no line, must not hide it.
TEST(DemoProcess, NoSoundDeviceEndsTheRunWithALineOfItsOwnAndExitOne) {
  const std::string lineStart = "Sound device could not be opened! SDL_Error: ";
  for (const NoSoundDevice& device : NoSoundDevices()) {
    for (const bool moduleMissing : {false, true}) {
      SCOPED_TRACE(std::string(device.what) + (moduleMissing ? ", the module missing too" : ""));
      ScopedWorkDir dir;
      WriteDemoAssets(dir, ShortSong(), true);
      if (moduleMissing) std::remove("Assets/sorvane.mod");
      const ChildResult run = RunChild(DemoProgram, device.environment, DemoRunLimitSeconds);
      ASSERT_TRUE(run.exited) << "the show did not end by itself: " << run.err;
      EXPECT_EQ(run.exitCode, 1);
      const std::string errors = ProgramErrors(run.err);
      EXPECT_EQ(errors.rfind(lineStart, 0), 0u) << errors;
      EXPECT_GT(LastLine(errors).size(), lineStart.size()) << "SDL's reason follows";
      EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
      EXPECT_TRUE(EndsWith(ConsoleText(run.err), errors)) << "the ended line is the last thing written: " << run.err;
      EXPECT_EQ(LastLine(ConsoleText(run.out)), "Adding Texture Graphic Assets/greets.png (first request)")
          << "set-up ran to its end, and no prompt follows";
    }
  }
}

TEST(DemoProcess, AFailedSetUpPrintsTheManagersLinesThenPausesAndExitsOne) {
  struct Case {
    const char* what;
    const char* removed;
    const char* stderrLine;
    const char* stdoutLine;
    const char* neverRequested;
  };
  const Case cases[] = {
      {"greetings atlas", "Assets/greets.png", nullptr, "Failed to load Assets/greets.png on the ID map\n", nullptr},
      {"effect shader", "Assets/Shaders/road.fragment", "** Errores de compilacion del  Shader: road\n",
       "Adding Shader: road (first request)\n", "jail_tunnel"},
  };
  ASSERT_NE(PausePromptOutput(), "") << "the prompt to look for";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedWorkDir dir;
    WriteDemoAssets(dir, ShortSong(), true);
    std::remove(c.removed);
    const ChildResult run = RunChild(DemoProgram, DemoUnattended(), DemoRunLimitSeconds);
    ASSERT_TRUE(run.exited) << run.err;
    EXPECT_EQ(run.exitCode, 1);
    const std::string out = ConsoleText(run.out);
    EXPECT_NE(out.find(c.stdoutLine), std::string::npos) << out;
    if (c.stderrLine != nullptr) {
      EXPECT_NE(ProgramErrors(run.err).find(c.stderrLine), std::string::npos) << run.err;
    }
    if (c.neverRequested != nullptr) {
      EXPECT_EQ(out.find(c.neverRequested), std::string::npos) << "set-up stops at the first failed effect";
    }
    EXPECT_TRUE(EndsWithThePrompt(out)) << "the pause layer comes last";
    EXPECT_LE(FileSize(DemoSoundFile), 0) << "the sound device was never opened";
  }
}

}  // namespace
}  // namespace brisa_test
