// The program as a process on Linux: signals, keys typed through X, the threads it starts, the terminal it pauses on.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <SDL.h>

#include "child_process.h"
#include "demo_run.h"
#include "show_output.h"
#include "support/demo_assets.h"
#include "support/file_contents.h"
#include "support/scoped_xvfb.h"
#include "support/work_dir.h"
#include "terminal_job.h"

namespace brisa_test {
namespace {

constexpr const char* PausePrompt = "Press any key to continue . . .";
// Each step once the prompt is up: no set-up is left to run, so a key or a signal acts at once.
constexpr int PauseEndLimitSeconds = 60;

// Waits until the device has played some music, that is until the show is running: while paused
// the disk driver writes silence.
bool WaitForPlayback(ChildProcess& child, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (child.Running() && std::chrono::steady_clock::now() < deadline) {
    if (!OnlySilence(ReadFile(DemoSoundFile))) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

TEST(DemoProcess, QuitSignalsEndTheShowAfterTheCurrentFrame) {
  for (int signalNumber : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signalNumber);
    ScopedWorkDir dir;
    WriteDemoAssets(dir, LongSong(), true);
    ChildProcess child(DemoProgram, DemoUnattended());
    ASSERT_TRUE(WaitForPlayback(child, DemoRunLimitSeconds));
    child.Signal(signalNumber);
    const ChildResult run = child.Wait(DemoRunLimitSeconds);
    ASSERT_TRUE(run.exited) << "a quit event, not the signal, ends the process";
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_LT(FileSize(DemoSoundFile), LongSongPartBytes) << "the song did not play to its end";
  }
}

TEST(DemoProcess, EscapeEndsTheShow) {
  ScopedXvfb x;
  ASSERT_FALSE(x.display().empty()) << "Xvfb did not start";
  ScopedWorkDir dir;
  WriteDemoAssets(dir, LongSong(), true);
  ChildEnvironment environment = DemoUnattended();
  environment["SDL_VIDEODRIVER"] = "x11";
  environment["SDL_VIDEO_X11_FORCE_EGL"] = "1";
  environment["DISPLAY"] = x.display();
  ChildProcess child(DemoProgram, environment);
  ASSERT_TRUE(WaitForPlayback(child, DemoRunLimitSeconds));
  const std::string xdotool = "DISPLAY=" + x.display() + " xdotool";
  const std::string window = "$(" + xdotool + " search --sync --name 'Brisa Demo 2024 Lindora' | head -n 1)";
  // Releasing a key, or pressing another one, does nothing.
  EXPECT_EQ(RunCommand(xdotool + " windowfocus --sync " + window + " key space keyup Escape"), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_TRUE(child.Running());
  EXPECT_EQ(RunCommand(xdotool + " windowfocus --sync " + window + " key Escape"), 0);
  const ChildResult run = child.Wait(DemoRunLimitSeconds);
  ASSERT_TRUE(run.exited);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_LT(FileSize(DemoSoundFile), LongSongPartBytes);
}

// The lines of a preloaded report that start with `start`, in order, without that start.
std::vector<std::string> ReportLines(const std::string& err, const std::string& start) {
  std::vector<std::string> report;
  std::istringstream lines(err);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(start, 0) == 0) report.push_back(line.substr(start.size()));
  }
  return report;
}

// The thread report's lines: "loaded", "setenv NAME" and "pthread_create from LIBRARY".
std::vector<std::string> ThreadReport(const std::string& err) { return ReportLines(err, "thread report: "); }

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// Where the report first has a line starting with `start`; its length when it has none.
size_t FirstLine(const std::vector<std::string>& report, const std::string& start) {
  const auto found =
      std::find_if(report.begin(), report.end(), [&start](const std::string& line) { return StartsWith(line, start); });
  return static_cast<size_t>(found - report.begin());
}

// Threads started from a library whose file name holds `library`; an empty name counts them all.
size_t ThreadsStartedFrom(const std::vector<std::string>& report, const std::string& library) {
  return static_cast<size_t>(std::count_if(report.begin(), report.end(), [&library](const std::string& line) {
    return StartsWith(line, "pthread_create from ") && line.find(library) != std::string::npos;
  }));
}

// Engine start-up comes first: the driver's settings go into the environment before any thread
// could read it, and when start-up ends the process the only thread running is the one SDL_Init
// starts for its timers. A set-up that gets past the engine shows that the report sees the
// program's own threads (the decoders, started through the C++ library).
TEST(DemoProcess, NoThreadOfTheProgramsOwnIsStartedBeforeTheEngine) {
  struct Case {
    const char* what;
    const char* videoDriver;
    const char* removed;
    const char* stdoutStart;
    bool programThreads;
  };
  const Case cases[] = {
      {"window refused", "dummy", nullptr, "Window could not be created! SDL_Error: ", false},
      {"set-up failing after the engine", "offscreen", "Assets/greets.png", "Adding Shader: ", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedWorkDir dir;
    WriteDemoAssets(dir, ShortSong(), true);
    if (c.removed != nullptr) std::remove(c.removed);
    ChildEnvironment environment = DemoUnattended();
    environment["SDL_VIDEODRIVER"] = c.videoDriver;
    environment["LD_PRELOAD"] = BRISA_THREAD_START_REPORT;
    environment["ASAN_OPTIONS"] = "detect_leaks=0:verify_asan_link_order=0";
    const ChildResult run = RunChild(DemoProgram, environment, DemoRunLimitSeconds);
    ASSERT_TRUE(run.exited) << run.err;
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(StartsWith(run.out, c.stdoutStart)) << run.out;

    const std::vector<std::string> report = ThreadReport(run.err);
    ASSERT_EQ(FirstLine(report, "loaded"), 0u) << "the report was not loaded: " << run.err;
    const size_t firstThread = FirstLine(report, "pthread_create");
    EXPECT_LT(FirstLine(report, "setenv mesa_glthread"), firstThread) << run.err;
    EXPECT_LT(FirstLine(report, "setenv MESA_DEBUG"), firstThread) << run.err;
    if (c.programThreads) {
      EXPECT_GT(ThreadsStartedFrom(report, "libstdc++"), 0u) << run.err;
    } else {
      EXPECT_EQ(ThreadsStartedFrom(report, "libSDL2"), ThreadsStartedFrom(report, "")) << run.err;
    }
  }
}

// The short song run in `environment` with the audio report preloaded.
ChildResult RunReportingAudioCalls(ChildEnvironment environment) {
  ScopedWorkDir dir;
  brisa_test::WriteDemoAssets(dir, ShortSong(), true);
  environment["LD_PRELOAD"] = BRISA_AUDIO_CALL_REPORT;
  environment["ASAN_OPTIONS"] = "detect_leaks=0:verify_asan_link_order=0";
  return RunChild(DemoProgram, environment, DemoRunLimitSeconds);
}

// The audio report's lines, each a call to the device or the player, in the order they were made.
std::vector<std::string> AudioCalls(const ChildResult& run) { return ReportLines(run.err, "audio report: "); }

// The short song played to its end with the audio report preloaded.
std::vector<std::string> AudioCallsOfAShortShow() {
  const ChildResult run = RunReportingAudioCalls(DemoUnattended());
  EXPECT_TRUE(run.exited && run.exitCode == 0) << run.err;
  return AudioCalls(run);
}

struct DeviceFormat {
  int frequencyHz = 0;
  unsigned format = 0;
  unsigned channels = 0;
  unsigned allowedChanges = 0;
};

// The first "device asked" or "device opened" line; zeros when there is none.
DeviceFormat DeviceLine(const std::vector<std::string>& report, const std::string& what) {
  DeviceFormat device;
  const std::string pattern = what + " frequency %d format 0x%x channels %u allowed 0x%x";
  for (const std::string& line : report) {
    if (std::sscanf(line.c_str(), pattern.c_str(), &device.frequencyHz, &device.format, &device.channels,
                    &device.allowedChanges) == 4) {
      return device;
    }
  }
  return DeviceFormat{};
}

struct PlayerFormat {
  int frequencyHz = 0;
  int bits = 0;
  int channels = 0;
};

PlayerFormat PlayerLine(const std::vector<std::string>& report) {
  PlayerFormat player;
  for (const std::string& line : report) {
    if (std::sscanf(line.c_str(), "player made frequency %d bits %d channels %d", &player.frequencyHz, &player.bits,
                    &player.channels) == 3) {
      return player;
    }
  }
  return PlayerFormat{};
}

// SDL's disk and dummy drivers take any format, but a sound card plays only what it was opened
// for: 44100 Hz, signed 16-bit little-endian stereo, with only the buffer size left to SDL, so
// that SDL converts for a card that wants anything else. The player mixes that same format.
TEST(DemoProcess, TheSoundDeviceIsOpenedForTheFormatThePlayerMixes) {
  const std::vector<std::string> report = AudioCallsOfAShortShow();
  const DeviceFormat asked = DeviceLine(report, "device asked");
  EXPECT_EQ(asked.frequencyHz, 44100);
  EXPECT_EQ(asked.format, unsigned{AUDIO_S16LSB});
  EXPECT_EQ(asked.channels, 2u);
  EXPECT_EQ(asked.allowedChanges, unsigned{SDL_AUDIO_ALLOW_SAMPLES_CHANGE});
  const DeviceFormat opened = DeviceLine(report, "device opened");
  EXPECT_EQ(opened.frequencyHz, asked.frequencyHz);
  EXPECT_EQ(opened.format, asked.format);
  EXPECT_EQ(opened.channels, asked.channels);

  const PlayerFormat player = PlayerLine(report);
  EXPECT_EQ(player.frequencyHz, opened.frequencyHz);
  EXPECT_EQ(player.bits, static_cast<int>(SDL_AUDIO_BITSIZE(opened.format)));
  EXPECT_EQ(player.channels, static_cast<int>(opened.channels));
  // libmodplug mixes 16-bit samples signed, in the machine's byte order.
  EXPECT_TRUE(SDL_AUDIO_ISSIGNED(opened.format));
  EXPECT_EQ(SDL_AUDIO_ISBIGENDIAN(opened.format) != 0, SDL_BYTEORDER == SDL_BIG_ENDIAN);
}

// However the player is freed, the device's callback must no longer be able to read it: the
// device is paused before, and closed only after.
TEST(DemoProcess, ThePlayerIsMadeBeforeThePlayingAndFreedBetweenThePauseAndTheClose) {
  const std::vector<std::string> expected = {"device asked", "device opened", "player made", "device unpaused",
                                             "device paused", "player freed", "device closed"};
  std::vector<std::string> calls;
  for (const std::string& line : AudioCallsOfAShortShow()) {
    const auto known = std::find_if(expected.begin(), expected.end(),
                                    [&line](const std::string& call) { return StartsWith(line, call); });
    calls.push_back(known == expected.end() ? line : *known);
  }
  EXPECT_EQ(calls, expected);
}

// Without a device the run ends at the failed open: no player is made, nothing is unpaused, and
// there is no device to pause or close.
TEST(DemoProcess, WithoutASoundDeviceNothingMoreIsAskedOfTheDeviceOrThePlayer) {
  for (const NoSoundDevice& device : NoSoundDevices()) {
    SCOPED_TRACE(device.what);
    const ChildResult run = RunReportingAudioCalls(device.environment);
    ASSERT_TRUE(run.exited) << run.err;
    EXPECT_EQ(run.exitCode, 1);
    const std::vector<std::string> calls = AudioCalls(run);
    EXPECT_EQ(calls.size(), 1u) << run.err;
    EXPECT_TRUE(!calls.empty() && StartsWith(calls[0], "device asked")) << run.err;
  }
}

std::string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", value);
  return text;
}

bool WaitingForAKey(const termios& settings) { return (settings.c_lflag & (ICANON | ECHO)) == 0; }

::testing::AssertionResult SameSettings(const termios& now, const termios& found) {
  if (now.c_iflag == found.c_iflag && now.c_oflag == found.c_oflag && now.c_cflag == found.c_cflag &&
      now.c_lflag == found.c_lflag && std::equal(std::begin(now.c_cc), std::end(now.c_cc), std::begin(found.c_cc))) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "local modes " << Hex(now.c_lflag) << ", found " << Hex(found.c_lflag);
}

::testing::AssertionResult EndedAs(const std::optional<int>& status, int killedBy) {
  if (!status) return ::testing::AssertionFailure() << "still running";
  if (killedBy == 0 && WIFEXITED(*status) && WEXITSTATUS(*status) == 1) return ::testing::AssertionSuccess();
  if (killedBy != 0 && WIFSIGNALED(*status) && WTERMSIG(*status) == killedBy) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "wait status " << Hex(static_cast<unsigned>(*status));
}

// Ctrl+Z at the prompt, then a continue as a shell's fg sends it.
void SuspendAndContinue(TerminalJob& job, const termios& found) {
  job.Type("\x1a");
  const std::optional<int> stopped = job.NextStatus(PauseEndLimitSeconds);
  ASSERT_TRUE(stopped && WIFSTOPPED(*stopped) && WSTOPSIG(*stopped) == SIGTSTP);
  EXPECT_TRUE(SameSettings(job.Settings(), found)) << "while stopped";
  job.Signal(SIGCONT);
  const std::optional<int> continued = job.NextStatus(PauseEndLimitSeconds);
  ASSERT_TRUE(continued && WIFCONTINUED(*continued));
  ASSERT_TRUE(job.WaitForSettings(WaitingForAKey, PauseEndLimitSeconds)) << "the wait goes on";
}

TEST(DemoProcess, HoweverThePauseAfterAFailedSetUpEndsTheTerminalIsLeftAsFound) {
  // Typed bytes act through the terminal, whose control characters raise signals; `sent` comes
  // from another process. `killedBy` 0: the key ends the wait and the program exits with code 1.
  struct Ending {
    const char* what;
    bool suspendedFirst;
    const char* typed;
    int sent;
    int killedBy;
  };
  const Ending endings[] = {
      {"a key", false, "k", 0, 0},
      {"Ctrl+C", false, "\x03", 0, SIGINT},
      {"Ctrl+\\", false, "\x1c", 0, SIGQUIT},
      {"SIGTERM", false, "", SIGTERM, SIGTERM},
      {"SIGHUP", false, "", SIGHUP, SIGHUP},
      {"Ctrl+Z, continue, a key", true, "k", 0, 0},
      {"Ctrl+Z, continue, Ctrl+C", true, "\x03", 0, SIGINT},
  };
  for (const Ending& ending : endings) {
    SCOPED_TRACE(ending.what);
    ScopedWorkDir dir;
    WriteDemoAssets(dir, ShortSong(), true);
    std::remove("Assets/greets.png");
    TerminalJob job(DemoProgram, DemoUnattended());
    ASSERT_TRUE(job.Started());
    const termios found = job.Settings();
    ASSERT_TRUE(job.WaitForOutput(PausePrompt, DemoRunLimitSeconds)) << job.Output();
    ASSERT_TRUE(job.WaitForSettings(WaitingForAKey, DemoRunLimitSeconds)) << "the key is read without echo, unbuffered";
    if (ending.suspendedFirst) SuspendAndContinue(job, found);
    if (HasFatalFailure()) return;
    job.Type(ending.typed);
    if (ending.sent != 0) job.Signal(ending.sent);
    EXPECT_TRUE(EndedAs(job.NextStatus(PauseEndLimitSeconds), ending.killedBy));
    EXPECT_TRUE(SameSettings(job.Settings(), found));
    const std::string tail = std::string(PausePrompt) + (ending.killedBy == 0 ? "\r\n" : "");
    const std::string& output = job.Output();
    EXPECT_EQ(output.substr(output.size() - std::min(output.size(), tail.size())), tail) << "nothing echoed";
  }
}

}  // namespace
}  // namespace brisa_test
