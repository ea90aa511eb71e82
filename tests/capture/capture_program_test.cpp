// The capture program as a process: its usage and failure lines and exit codes, and what it writes.
#include <gtest/gtest.h>
#include <libmodplug/modplug.h>
#include <stb_image.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "demo/module_player.h"
#include "demo/song_positions.h"
#include "image_probes.h"
#include "program_run.h"
#include "support/work_dir.h"
#include "tools/capture/frame_selection.h"
#include "tools/capture/wav_file.h"

namespace show_capture {
namespace {

namespace fs = std::filesystem;

constexpr const char* Program = BRISA_CAPTURE_PROGRAM;
constexpr int ProgramScreenWidth = 854;
constexpr int ProgramScreenHeight = 480;

const std::string& StageFolder() {
  static const std::string folder = BRISA_STAGE_DIR;
  return folder;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

bool StartsWith(const std::string& text, const std::string& start) {
  return text.rfind(start, 0) == 0;
}

tools::Image ReadPng(const std::string& path) {
  int width = 0, height = 0, channels = 0;
  stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &channels, 3);
  if (pixels == nullptr) return tools::Image();
  tools::Image image(width, height, 3);
  image.pixels.assign(pixels, pixels + image.pixels.size());
  stbi_image_free(pixels);
  return image;
}

// The staged module mixed straight through libmodplug with the program's settings.
std::vector<uint8_t> SongAsLibmodplugMixesIt() {
  ApplySongSettings();
  std::vector<uint8_t> module;
  if (!ReadWholeFile((StageFolder() + "/Assets/sorvane.mod").c_str(), module)) return {};
  ModPlugFile* player = LoadSong(module);
  std::vector<uint8_t> music;
  std::vector<uint8_t> buffer(16384);
  for (int produced = player != nullptr ? 1 : 0; produced > 0;) {
    produced = ModPlug_Read(player, buffer.data(), static_cast<int>(buffer.size()));
    music.insert(music.end(), buffer.begin(), buffer.begin() + std::max(produced, 0));
  }
  if (player != nullptr) ModPlug_Unload(player);
  return music;
}

// A folder holding a copy of the staged assets, for runs that spoil one of them.
class CopiedAssets {
 public:
  CopiedAssets() { fs::copy(StageFolder() + "/Assets", dir_.path() + "/Assets", fs::copy_options::recursive); }
  const std::string& path() const { return dir_.path(); }

 private:
  brisa_test::ScopedWorkDir dir_;
};

TEST(CaptureProgram, PrintsItsUsageForArgumentsItCannotUse) {
  brisa_test::ScopedWorkDir dir;
  const std::vector<std::vector<std::string>> cases = {
      {}, {"out"}, {"out", "--frame", "5:99"}, {"out", "--sheet"}, {"out", "--colour"}};
  for (const std::vector<std::string>& arguments : cases) {
    const ProgramRun run = RunProgram(Program, arguments, dir.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(StartsWith(run.err, "usage: " + fs::path(Program).filename().string() + " OUTPUT_DIR")) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST(CaptureProgram, SaysWhichAssetsAreMissing) {
  struct Case {
    const char* what;
    const char* removed;  // relative to the copied Assets/, or the whole folder
    int exitCode;
    const char* errorLine;
  };
  const Case cases[] = {
      {"asset folder", "", 3, "error: no Assets/ folder in "},
      {"module", "sorvane.mod", 3, "error: Assets/sorvane.mod is missing\n"},
      {"greetings atlas", "greets.png", 3,
       "error: scene set-up failed (an effect shader or Assets/greets.png is missing)\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CopiedAssets assets;
    fs::remove_all(assets.path() + "/Assets/" + c.removed);
    const ProgramRun run = RunProgram(Program, {"out", "--wav"}, assets.path());
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_NE(run.err.find(c.errorLine), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(assets.path() + "/out/soundtrack.wav"));
  }
}

TEST(CaptureProgram, SaysWhenTheModuleCannotBePlayed) {
  CopiedAssets assets;
  std::ofstream(assets.path() + "/Assets/sorvane.mod", std::ios::trunc) << "This is not a module.\n";
  const ProgramRun run = RunProgram(Program, {"out", "--wav"}, assets.path());
  EXPECT_EQ(run.exitCode, 4);
  EXPECT_NE(run.err.find("error: Assets/sorvane.mod is not a module libmodplug can play\n"), std::string::npos)
      << run.err;
}

TEST(CaptureProgram, SaysWhenItCannotMakeItsOutputFolder) {
  const ProgramRun run = RunProgram(Program, {"/proc/no-captures-here", "--wav"}, StageFolder());
  EXPECT_EQ(run.exitCode, 5);
  EXPECT_EQ(run.err, "error: cannot make the output folder /proc/no-captures-here\n");
}

TEST(CaptureProgram, WritesChosenFramesTheSheetAndTheSoundtrack) {
  brisa_test::ScopedWorkDir out;
  // The first frame of the windsurf section is the white flash.
  FrameChoice flashFrame;
  flashFrame.byPosition = true;
  flashFrame.order = WindsurfOrder;
  const std::string flashChoice = std::to_string(WindsurfOrder) + ":0";
  const ProgramRun run = RunProgram(
      Program, {out.path(), "--frame", flashChoice, "--frame", "1000", "--sheet", "30", "--wav"}, StageFolder());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  for (const std::string& file : {flashFrame.FileName(), std::string("at_1000ms.png"), std::string("contact_sheet.png"),
                                  std::string("soundtrack.wav")}) {
    EXPECT_NE(run.out.find(out.path() + "/" + file + ": "), std::string::npos) << file << " not reported:\n" << run.out;
  }
  const tools::Image flash = ReadPng(out.path() + "/" + flashFrame.FileName());
  ASSERT_EQ(flash.width, ProgramScreenWidth);
  ASSERT_EQ(flash.height, ProgramScreenHeight);
  EXPECT_GE(FractionNear(flash, WholePicture(flash), {255, 255, 255}, 16), 0.99);
  const tools::Image early = ReadPng(out.path() + "/at_1000ms.png");
  EXPECT_EQ(early.width, ProgramScreenWidth);
  // About 3.6 minutes at one picture every 30 s: one row of eight.
  const tools::Image sheet = ReadPng(out.path() + "/contact_sheet.png");
  EXPECT_EQ(sheet.width, 4 + 8 * (240 + 4));
  EXPECT_EQ(sheet.height, 4 + 240 * ProgramScreenHeight / ProgramScreenWidth + 4);
  const std::vector<uint8_t> wav = ReadBytes(out.path() + "/soundtrack.wav");
  ASSERT_GT(wav.size(), WavHeaderBytes);
  const std::vector<uint8_t> pcm(wav.begin() + WavHeaderBytes, wav.end());
  EXPECT_EQ(std::vector<uint8_t>(wav.begin(), wav.begin() + WavHeaderBytes),
            WavHeader(static_cast<uint32_t>(pcm.size())));
  EXPECT_TRUE(pcm == SongAsLibmodplugMixesIt()) << "the soundtrack is not the song as mixed";
}

TEST(CaptureProgram, ReportsAFrameTheShowNeverReaches) {
  brisa_test::ScopedWorkDir out;
  const ProgramRun run = RunProgram(Program, {out.path(), "--frame", "99:0", "--frame", "0:0"}, StageFolder());
  EXPECT_EQ(run.exitCode, 6);
  EXPECT_EQ(run.err, "error: no frame at order 99 row 0\n");
  EXPECT_TRUE(fs::exists(out.path() + "/order00_row00.png"));
}

}  // namespace
}  // namespace show_capture
