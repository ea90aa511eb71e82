// Broken and missing assets, one run of the program each: the console lines, the exit, the sound.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <ostream>
#include <set>

#include "broken_files.h"
#include "demo/song_positions.h"
#include "child_process.h"
#include "setup_transcript.h"
#include "show_output.h"
#include "support/file_contents.h"
#include "support/mod_fixture.h"
#include "support/work_dir.h"

namespace brisa_test {
namespace {

constexpr const char* Program = BRISA_DEMO_PROGRAM;
constexpr const char* SoundFile = "robustness-output.raw";
constexpr const char* ModulePath = "Assets/sorvane.mod";
// Ten seconds of song, the start-up wait, set-up and shut-down, with room for a busy machine.
constexpr int CaseLimitSeconds = 120;
constexpr size_t GarbageBytes = 4096;
// Inside the sample headers: no order table, no pattern, no sample is left.
constexpr size_t ModuleHeaderBytes = 600;
// The module's sample data ends it; the song still plays without its last bytes.
constexpr size_t ModuleSampleTailBytes = 32;
constexpr uint32_t HugeSide = 0xFFFFFF;
constexpr const char* NotGlsl = "this line is not GLSL";

// Every order position the timeline keys on, from the first to the closing one, for 360 ms each:
// longer than two device buffers, so the per-frame snapshot sees each one and every section is
// drawn. About ten seconds.
ModFixture TimelineWalk() {
  ModFixture song;
  song.orders = ClosingOrder + 1;
  song.rowsPerPattern = 3;
  return song;
}

// The new contents of the file from its staged bytes; no function removes the file.
using Breakage = std::function<std::string(const std::string& staged)>;

struct AssetCase {
  std::string name;
  std::string file;
  Breakage breakage;
  LoadOutcome outcome;
};

void PrintTo(const AssetCase& c, std::ostream* os) { *os << c.file; }

// "Assets/Shaders/road.vertex" gives "Shaders_road_vertex".
std::string CaseName(const std::string& file) {
  std::string name = file.substr(file.find('/') + 1);
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

std::vector<AssetCase> MissingFileCases() {
  std::vector<AssetCase> cases;
  for (const std::string& file : AssetFiles()) {
    cases.push_back({CaseName(file), file, nullptr, LoadOutcome::Missing});
  }
  return cases;
}

Breakage Replaced(const std::string& bytes) {
  return [bytes](const std::string&) { return bytes; };
}

Breakage LineAppended(const std::string& line) {
  return [line](const std::string& staged) { return WithLineAppended(staged, line); };
}

std::vector<AssetCase> BrokenImageCases() {
  return {
      {"TruncatedPng", "Assets/opening.png", FirstHalf, LoadOutcome::Refused},
      {"TruncatedJpeg", "Assets/beach.jpg", FirstHalf, LoadOutcome::Refused},
      {"GarbageJpeg", "Assets/streets.jpg", Replaced(Garbage(GarbageBytes)), LoadOutcome::Refused},
      {"GarbageGreetingsAtlas", "Assets/greets.png", Replaced(Garbage(GarbageBytes)), LoadOutcome::Refused},
      {"EmptyImage", "Assets/heightmap.png", Replaced(""), LoadOutcome::Refused},
      {"HugeDeclaredPng", "Assets/papagayo_6c.png", Replaced(PngDeclaring(HugeSide, HugeSide)), LoadOutcome::Refused},
      {"GreyHeightmap", "Assets/heightmap.png", [](const std::string& s) { return GreyPng(s, 1); }, LoadOutcome::Loads},
      {"GreyGreetingsAtlas", "Assets/greets.png", [](const std::string& s) { return GreyPng(s, 1); },
       LoadOutcome::Loads},
      {"GreyJpeg", "Assets/BGVapor.jpg", GreyJpeg, LoadOutcome::Loads},
      {"GreyAlphaSprite", "Assets/lyrics.png", [](const std::string& s) { return GreyPng(s, 2); }, LoadOutcome::Loads},
      {"GreyAlphaMeshTexture", "Assets/flamingo_tex.png", [](const std::string& s) { return GreyPng(s, 2); },
       LoadOutcome::Loads},
      {"OddWidthRgb", "Assets/windsurf_tex.png", OddWidthRgbPng, LoadOutcome::Loads},
  };
}

std::vector<AssetCase> BrokenMeshCases() {
  return {
      {"FaceIndexZero", "Assets/flamingo.obj", LineAppended("f 0/1 1/1 2/1"), LoadOutcome::Refused},
      {"FaceIndexNegative", "Assets/plane.obj", LineAppended("f -1/-1 -2/-2 -3/-3"), LoadOutcome::Refused},
      {"LineIndexZero", "Assets/plane.obj", LineAppended("l 0 1"), LoadOutcome::Refused},
      {"PositionPastTheEnd", "Assets/windsurf.obj", LineAppended("f 1/1 2/2 100000/3"), LoadOutcome::Refused},
      {"TexCoordPastTheEnd", "Assets/flamingo.obj", LineAppended("f 1/1 2/2 3/100000"), LoadOutcome::Refused},
      {"ShortPosition", "Assets/plane.obj", LineAppended("v 1.0 2.0"), LoadOutcome::Refused},
      {"ShortTexCoord", "Assets/windsurf.obj", LineAppended("vt 0.5"), LoadOutcome::Refused},
      {"MalformedNumber", "Assets/flamingo.obj", LineAppended("v 1.0 two 3.0"), LoadOutcome::Refused},
      {"GarbageMesh", "Assets/flamingo.obj", Replaced(NonAsciiLines()), LoadOutcome::Loads},
      {"EmptyFlamingo", "Assets/flamingo.obj", Replaced(""), LoadOutcome::Loads},
      {"EmptyTerrain", "Assets/plane.obj", Replaced(""), LoadOutcome::Loads},
      {"EmptyWindsurfer", "Assets/windsurf.obj", Replaced(""), LoadOutcome::Loads},
  };
}

std::vector<AssetCase> BrokenShaderCases() {
  return {
      {"EmptyBuiltInShader", "Assets/Shaders/Color2D.fragment", Replaced(""), LoadOutcome::Refused},
      {"EmptyEffectShader", "Assets/Shaders/road.vertex", Replaced(""), LoadOutcome::Refused},
      {"BrokenSpriteShader", "Assets/Shaders/TextureMatrix2D.fragment", LineAppended(NotGlsl), LoadOutcome::Refused},
      {"BrokenMeshShader", "Assets/Shaders/TextureMatrix3D.vertex", LineAppended(NotGlsl), LoadOutcome::Refused},
      {"BrokenTerrainShader", "Assets/Shaders/PlaneMusic.fragment", LineAppended(NotGlsl), LoadOutcome::Refused},
      {"BrokenEffectShader", "Assets/Shaders/jail_tunnel.fragment", LineAppended(NotGlsl), LoadOutcome::Refused},
  };
}

std::vector<AssetCase> BrokenModuleCases() {
  return {
      {"GarbageModule", ModulePath, Replaced(Garbage(GarbageBytes)), LoadOutcome::Refused},
      {"EmptyModule", ModulePath, Replaced(""), LoadOutcome::Refused},
      {"ModuleCutInItsHeader", ModulePath, [](const std::string& s) { return s.substr(0, ModuleHeaderBytes); },
       LoadOutcome::Refused},
      {"ModuleCutInItsSamples", ModulePath,
       [](const std::string& s) { return WithoutLastBytes(s, ModuleSampleTailBytes); }, LoadOutcome::Loads},
  };
}

// The staged assets, every file of them, with the short song in place of the real one.
void StageShowFolder(const ScopedWorkDir& dir) {
  for (const std::string& file : AssetFiles()) {
    if (file != ModulePath) {
      ASSERT_TRUE(dir.CopyStagedAsset(file)) << file;
    }
  }
  dir.WriteFile(ModulePath, MakeTestModule(TimelineWalk()));
}

void Break(const ScopedWorkDir& dir, const AssetCase& c) {
  if (!c.breakage) {
    ASSERT_EQ(std::remove(c.file.c_str()), 0) << c.file;
    return;
  }
  dir.WriteFile(c.file, c.breakage(ReadFile(c.file)));
}

long FileSize(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : -1;
}

void ExpectSound(const ExpectedRun& expected, const std::string& module) {
  if (expected.songPlays) {
    EXPECT_EQ(SongWrittenWhole(ReadFile(SoundFile), MixedSong(module)), "");
  } else if (expected.deviceOpens) {
    EXPECT_TRUE(OnlySilence(ReadFile(SoundFile))) << "the device was never unpaused";
  } else {
    EXPECT_LE(FileSize(SoundFile), 0) << "the sound device was never opened";
  }
}

class BrokenAsset : public testing::TestWithParam<AssetCase> {};

TEST_P(BrokenAsset, IsReportedAndTheRunEndsAsItShould) {
  const AssetCase& c = GetParam();
  ScopedWorkDir dir;
  ASSERT_NO_FATAL_FAILURE(StageShowFolder(dir));
  ASSERT_NO_FATAL_FAILURE(Break(dir, c));
  const ExpectedRun expected = ExpectedRunWith({{RequestForFile(c.file).name, c.outcome}});

  const ChildResult run = RunChild(Program, UnattendedWithDiskAudio(SoundFile), CaseLimitSeconds);
  ASSERT_TRUE(run.exited) << (run.seconds >= CaseLimitSeconds ? "still running at the time limit" : "ended by a signal")
                          << " after " << run.seconds << " s\n" << run.err;
  EXPECT_EQ(run.exitCode, expected.exitCode);
  EXPECT_EQ(ConsoleText(run.out), expected.out);
  EXPECT_EQ(ProgramErrors(run.err), expected.err);
  ExpectSound(expected, ReadFile(ModulePath));
}

std::string NameOf(const testing::TestParamInfo<AssetCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Missing, BrokenAsset, testing::ValuesIn(MissingFileCases()), NameOf);
INSTANTIATE_TEST_SUITE_P(Image, BrokenAsset, testing::ValuesIn(BrokenImageCases()), NameOf);
INSTANTIATE_TEST_SUITE_P(Mesh, BrokenAsset, testing::ValuesIn(BrokenMeshCases()), NameOf);
INSTANTIATE_TEST_SUITE_P(Shader, BrokenAsset, testing::ValuesIn(BrokenShaderCases()), NameOf);
INSTANTIATE_TEST_SUITE_P(Module, BrokenAsset, testing::ValuesIn(BrokenModuleCases()), NameOf);

// The missing-file table covers the whole folder only while the request list names every staged file.
TEST(AssetRequestList, NamesEveryStagedFile) {
  std::set<std::string> staged;
  const std::filesystem::path root = StagedPath("");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(StagedPath("Assets"))) {
    if (entry.is_regular_file()) staged.insert(entry.path().lexically_relative(root).generic_string());
  }
  const std::vector<std::string> files = AssetFiles();
  EXPECT_EQ(staged, std::set<std::string>(files.begin(), files.end()));
}

}  // namespace
}  // namespace brisa_test
