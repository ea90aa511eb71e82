// The composer as a process: faulty scores get a line naming the score line and exit code 1.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "module_file.h"

namespace music_test {
namespace {

struct ComposerRun {
  int exitCode = -1;
  std::string errors;
  std::vector<uint8_t> module;
};

ComposerRun RunComposer(const std::string& score) {
  const std::string base = ::testing::TempDir() + "composer_case";
  const std::string scorePath = base + ".score", modulePath = base + ".mod", errorPath = base + ".err";
  std::remove(modulePath.c_str());
  std::ofstream(scorePath) << score;
  const std::string command = std::string("\"") + BRISA_COMPOSER + "\" \"" + scorePath + "\" \"" +
                              modulePath + "\" 2> \"" + errorPath + "\"";
  ComposerRun run;
  const int status = std::system(command.c_str());
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  const std::vector<uint8_t> errors = ReadFileBytes(errorPath);
  run.errors.assign(errors.begin(), errors.end());
  run.module = ReadFileBytes(modulePath);
  return run;
}

const char* const Header =
    "title test\n"
    "sample 1 beep tone length=0.1\n"
    "sample 2 thud kick\n";

std::string WithPattern(const std::string& phrases, const std::string& channelLine) {
  return std::string(Header) + phrases + "pattern main\n" + channelLine + "\nend\norder main\n";
}

struct FaultCase {
  const char* name;
  std::string score;
  const char* expected;  // in the error line, after "score:LINE: "
};

class ComposerFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ComposerFaults, ReportTheLineAndFail) {
  const ComposerRun run = RunComposer(GetParam().score);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find(GetParam().expected), std::string::npos) << run.errors;
  EXPECT_TRUE(run.module.empty()) << "no module is written for a faulty score";
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ComposerFaults,
    ::testing::Values(
        FaultCase{"ShortChannel", WithPattern("", "  ch0 C-2:beep .*62"),
                  "score:5: channel 0 of pattern 'main' has 63 rows, not 64"},
        FaultCase{"UnknownPhrase", WithPattern("", "  ch0 tune*4"),
                  "score:5: no phrase 'tune' is defined above"},
        FaultCase{"TransposedOutOfRange", WithPattern("phrase up ins=beep : A-3 .*15\n", "  ch0 up+3*4"),
                  "score:6: 'up+3*4' takes a note out of the range C-1 to B-3"},
        FaultCase{"NoteWithoutSample", WithPattern("", "  ch0 C-2 .*63"),
                  "score:5: note 'C-2' has no sample"},
        FaultCase{"UnknownParameter",
                  "title test\nsample 1 beep tone colour=blue\npattern main\nend\norder main\n",
                  "score:2: sample 'beep': no parameter 'colour' for kind tone"},
        FaultCase{"SampleTooLong",
                  "title test\nsample 1 drone tone tuned=B-3 length=6\npattern main\nend\norder main\n",
                  "score:2: sample 'drone' is "},
        FaultCase{"PatternNeverPlayed",
                  std::string(Header) + "pattern main\nend\npattern spare\nend\norder main\n",
                  "score:6: pattern 'spare' is never played"},
        FaultCase{"NoOrder", std::string(Header) + "pattern main\nend\n",
                  "score:0: the score has no order list"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST(Composer, MissingScoreFailsWithALine) {
  const std::string command = std::string("\"") + BRISA_COMPOSER + "\" /nonexistent/x.score " +
                              ::testing::TempDir() + "x.mod 2>/dev/null";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
}

// Transposing a phrase moves its tones and leaves its drums alone; a phrase volume spares accents.
TEST(Composer, TransposeAndVolumeReachOnlyWhatTheyShould) {
  const ComposerRun run = RunComposer(
      WithPattern("phrase hit ins=beep vol=20 : A-2 C-3:thud E-2/C30 .*13\n", "  ch1 hit+2*4"));
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const ModLayout layout = ReadModLayout(run.module);
  ASSERT_TRUE(layout.valid);
  EXPECT_EQ(layout.Cell(0, 0, 1).period, 226);  // B-2
  EXPECT_EQ(layout.Cell(0, 0, 1).effect, 0xC);
  EXPECT_EQ(layout.Cell(0, 0, 1).param, 20);
  EXPECT_EQ(layout.Cell(0, 1, 1).period, 214);  // the kick stays on C-3
  EXPECT_EQ(layout.Cell(0, 1, 1).instrument, 2);
  EXPECT_EQ(layout.Cell(0, 2, 1).period, 302);  // F#2
  EXPECT_EQ(layout.Cell(0, 2, 1).param, 0x30);
  EXPECT_EQ(layout.Cell(0, 16, 1).period, 226);
  EXPECT_EQ(layout.Cell(0, 3, 1).period, 0);
  EXPECT_EQ(layout.Cell(0, 0, 0).period, 0);
}

}  // namespace
}  // namespace music_test
