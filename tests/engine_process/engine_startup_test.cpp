// Engine start-up and close as real processes: the window on a real X server, the unit quad released
// by CloseEngine, and each fatal failure produced for real, with its line and code.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "process_runner.h"
#include "support/scoped_xvfb.h"
#include "support/work_dir.h"

namespace {

using brisa_test::ChildEnvironment;
using brisa_test::ProcessResult;
using brisa_test::RunProcess;

constexpr int ChildTimeoutSeconds = 60;

// The private X server's screen: larger than every build's window, so that a centred window of any
// size lies away from the top-left corner.
constexpr const char* XScreen = "2560x1600x24";
constexpr const char* XScreenSize = "2560x1600";

struct Variant {
  const char* name;
  const char* program;
  int width;
  int height;
  // Top-left corner of the window centred on the X screen, written out.
  int centredX;
  int centredY;
};

void PrintTo(const Variant& variant, std::ostream* out) { *out << "Brisa2024-" << variant.name; }

const Variant Variants[] = {
    {"480", BRISA_ENGINE_INIT_480, 854, 480, 853, 560},
    {"720", BRISA_ENGINE_INIT_720, 1280, 720, 640, 440},
    {"1080", BRISA_ENGINE_INIT_1080, 1920, 1080, 320, 260},
};

// What the start-up program prints when start-up succeeds, its window line aside.
const char* const ShaderLines[] = {
    "Adding Shader: TextureMatrix2D (first request)",
    "Adding Shader: TextureMatrix3D (first request)",
    "Adding Shader: Color2D (first request)",
};
constexpr const char* QuadDeletedLine =
    "After CloseEngine: vertex array deleted, vertex buffer deleted, index buffer deleted";

std::string StartedLine(const Variant& variant) {
  return "Engine started " + std::to_string(variant.width) + "x" + std::to_string(variant.height);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

enum class Stream { None, Out, Err };

struct Failure {
  const char* name;
  int exitCode;
  Stream stream;
  const char* linePrefix;
};

const Failure Failures[] = {
    // SDL's dummy video driver has no OpenGL, so the window cannot be made.
    {"WindowOnDummyDriver", 1, Stream::Out, "Window could not be created! SDL_Error: "},
    // Mesa capped below 3.3 cannot give a 3.3 core context.
    {"ContextOnGlCappedAt31", 2, Stream::Err, "OpenGL context could not be created! Error: "},
    // SDL_GL_GetProcAddress interposed to find nothing.
    {"LoaderWithoutEntryPoints", 3, Stream::None, ""},
    // SDL's GLX path under Xvfb refuses swap interval 1.
    {"VSyncRefusedByGlxUnderXvfb", 4, Stream::Err, "Warning: Unable to set VSync! SDL Error: "},
};

// Every variable a case may set starts out removed, so the outer environment cannot leak in.
ChildEnvironment BaseEnvironment() {
  return {{"SDL_VIDEODRIVER", "offscreen"}, {"DISPLAY", std::nullopt},
          {"LD_PRELOAD", std::nullopt},      {"MESA_GL_VERSION_OVERRIDE", std::nullopt},
          {"SDL_VIDEO_X11_FORCE_EGL", std::nullopt}};
}

class EngineStartupTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { xvfb_ = std::make_unique<brisa_test::ScopedXvfb>(XScreen); }
  static void TearDownTestSuite() { xvfb_.reset(); }

  void SetUp() override { workDir_.CopyStagedShaders(); }

  static ChildEnvironment EnvironmentFor(const Failure& failure) {
    ChildEnvironment env = BaseEnvironment();
    switch (failure.exitCode) {
      case 1:
        env["SDL_VIDEODRIVER"] = "dummy";
        break;
      case 2:
        env["MESA_GL_VERSION_OVERRIDE"] = "3.1";
        break;
      case 3:
        env["LD_PRELOAD"] = BRISA_NULL_PROC_ADDRESS;
        env["ASAN_OPTIONS"] = "detect_leaks=0:verify_asan_link_order=0";
        break;
      default:
        env["SDL_VIDEODRIVER"] = "x11";
        env["DISPLAY"] = xvfb_->display();
        break;
    }
    return env;
  }

  static std::unique_ptr<brisa_test::ScopedXvfb> xvfb_;
  brisa_test::ScopedWorkDir workDir_;
};

std::unique_ptr<brisa_test::ScopedXvfb> EngineStartupTest::xvfb_;

class EngineStartupSucceeds : public EngineStartupTest, public ::testing::WithParamInterface<Variant> {};

TEST_P(EngineStartupSucceeds, LoadsTheBuiltInShadersKeepsTheWindowSizeAndClosesTheUnitQuad) {
  const Variant& variant = GetParam();
  const ProcessResult result = RunProcess(variant.program, BaseEnvironment(), ChildTimeoutSeconds);
  ASSERT_TRUE(result.exited) << result.err;
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 6u) << result.out;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(lines[i], ShaderLines[i]);
  EXPECT_EQ(lines[3], StartedLine(variant));
  // lines[4], the window's place and mouse mode, only means something on a real X server (below).
  EXPECT_EQ(lines[5], QuadDeletedLine);
  EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(Builds, EngineStartupSucceeds, ::testing::ValuesIn(Variants),
                         [](const auto& info) { return std::string("Brisa2024_") + info.param.name; });

// Under X with no window manager the window stays where SDL asked the server to put it.
class EngineStartupOnX : public EngineStartupTest, public ::testing::WithParamInterface<Variant> {};

TEST_P(EngineStartupOnX, CentresTheWindowTurnsOnRelativeMouseModeAndClosesTheUnitQuad) {
  const Variant& variant = GetParam();
  ASSERT_FALSE(xvfb_->display().empty()) << "Xvfb did not start";
  ChildEnvironment env = BaseEnvironment();
  env["SDL_VIDEODRIVER"] = "x11";
  env["SDL_VIDEO_X11_FORCE_EGL"] = "1";
  env["DISPLAY"] = xvfb_->display();
  const ProcessResult result = RunProcess(variant.program, env, ChildTimeoutSeconds);
  ASSERT_TRUE(result.exited) << result.err;
  EXPECT_EQ(result.exitCode, 0) << result.err;
  std::string expected;
  for (const char* line : ShaderLines) expected += std::string(line) + "\n";
  expected += StartedLine(variant) + "\n";
  expected += "Window at " + std::to_string(variant.centredX) + "," + std::to_string(variant.centredY) + " of a " +
              XScreenSize + " display, relative mouse on\n";
  expected += std::string(QuadDeletedLine) + "\n";
  EXPECT_EQ(result.out, expected);
  EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(Builds, EngineStartupOnX, ::testing::ValuesIn(Variants),
                         [](const auto& info) { return std::string("Brisa2024_") + info.param.name; });

class EngineStartupFails : public EngineStartupTest,
                           public ::testing::WithParamInterface<std::tuple<Variant, Failure>> {};

// One line on the failure's stream, SDL's reason after the fixed text, nothing anywhere else: in
// particular no shader was requested, so start-up stopped at the failing step.
TEST_P(EngineStartupFails, EndsAtOnceWithItsLineAndExitCode) {
  const auto& [variant, failure] = GetParam();
  if (failure.exitCode == 4) {
    ASSERT_FALSE(xvfb_->display().empty()) << "Xvfb did not start";
  }
  const ProcessResult result = RunProcess(variant.program, EnvironmentFor(failure), ChildTimeoutSeconds);
  ASSERT_TRUE(result.exited) << "killed or hung; stderr: " << result.err;
  EXPECT_EQ(result.exitCode, failure.exitCode) << "stdout: " << result.out << "stderr: " << result.err;
  const std::string& written = failure.stream == Stream::Out ? result.out : result.err;
  const std::string& silent = failure.stream == Stream::Out ? result.err : result.out;
  EXPECT_EQ(silent, "");
  if (failure.stream == Stream::None) {
    EXPECT_EQ(written, "");
    return;
  }
  const std::string prefix = failure.linePrefix;
  ASSERT_GT(written.size(), prefix.size() + 1) << written;
  EXPECT_EQ(written.substr(0, prefix.size()), prefix);
  EXPECT_EQ(written.find('\n'), written.size() - 1) << "not exactly one line: " << written;
}

INSTANTIATE_TEST_SUITE_P(Builds, EngineStartupFails,
                         ::testing::Combine(::testing::ValuesIn(Variants), ::testing::ValuesIn(Failures)),
                         [](const auto& info) {
                           return std::string(std::get<1>(info.param).name) + "_Brisa2024_" +
                                  std::get<0>(info.param).name;
                         });

}  // namespace
