// The sprite tool as a process: deterministic output, and a clear line and a failing exit code
// for a missing font, a broken texts file or a character the font cannot draw.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/file_contents.h"

namespace fs = std::filesystem;

namespace {

using brisa_test::ReadFile;

const char* const SheetNames[] = {"opening.png",    "Brisa_Vice_6c.png", "credits_text.png",
                                  "papagayo_6c.png", "lyrics.png",        "greets.png"};

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ShippedTexts() { return ReadFile(fs::path(BRISA_SOURCE_DIR) / "tools/sprites/texts.txt"); }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

class SpritesToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/brisa-sprites-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    fs::create_directories(dir_ / "out");
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the tool on `texts` (written to a file) and returns its exit code; stderr in `errors`.
  int Run(const std::string& texts, std::string& errors) {
    WriteFile(dir_ / "texts.txt", texts);
    return RunWithArguments((dir_ / "out").string() + " " + (dir_ / "texts.txt").string(), errors);
  }
  int RunWithArguments(const std::string& arguments, std::string& errors) {
    const std::string command = std::string(BRISA_SPRITES_TOOL) + " " + arguments + " 2>" + (dir_ / "err").string();
    const int status = std::system(command.c_str());
    errors = ReadFile(dir_ / "err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  bool OutputIsEmpty() const { return fs::is_empty(dir_ / "out"); }

  fs::path dir_;
};

TEST_F(SpritesToolTest, WritesTheStagedSheetsByteForByte) {
  std::string errors;
  ASSERT_EQ(Run(ShippedTexts(), errors), 0) << errors;
  for (const char* name : SheetNames) {
    SCOPED_TRACE(name);
    const std::string made = ReadFile(dir_ / "out" / name);
    EXPECT_FALSE(made.empty());
    EXPECT_TRUE(made == ReadFile(fs::path(BRISA_STAGE_DIR) / "Assets" / name));
  }
}

struct FailureCase {
  const char* name;
  const char* replace;
  const char* with;
  const char* expectedLine;
};

const FailureCase FailureCases[] = {
    {"MissingFont", "/usr/share/fonts/opentype/lobster/lobster.otf", "/no/such/lobster.otf",
     "sprites: missing font file /no/such/lobster.otf"},
    {"NotAFont", "/usr/share/fonts/opentype/lobster/lobster.otf", BRISA_SOURCE_DIR "/tools/sprites/texts.txt",
     "sprites: not a font file " BRISA_SOURCE_DIR "/tools/sprites/texts.txt"},
    {"FontRoleMissing", "bold = ", "boldest = ", "section [fonts] names no \"bold\" font"},
    {"GreetingMissing", "Hammock Hackers\n", "", "section [greetings] needs 57 entries, has 56"},
    {"UnknownSection", "[lyrics]", "[lyric]", "unknown section [lyric]"},
    {"FontLineWithoutPath", "heavy = ", "heavy ", "expected \"role = font path\""},
    {"CharacterTheFontLacks", "Hula Hex", "Hula \xE2\x98\x83", "has no glyph U+2603 for \"Hula \xE2\x98\x83\""},
};

class SpritesToolFailureTest : public SpritesToolTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SpritesToolFailureTest, SaysWhatIsWrongFailsAndWritesNothing) {
  const FailureCase& c = GetParam();
  std::string errors;
  EXPECT_EQ(Run(Replaced(ShippedTexts(), c.replace, c.with), errors), 1);
  EXPECT_NE(errors.find(c.expectedLine), std::string::npos) << errors;
  EXPECT_TRUE(OutputIsEmpty());
}

INSTANTIATE_TEST_SUITE_P(BadInput, SpritesToolFailureTest, ::testing::ValuesIn(FailureCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(SpritesToolTest, MissingTextsFileOrArgumentsFail) {
  std::string errors;
  EXPECT_EQ(RunWithArguments((dir_ / "out").string() + " " + (dir_ / "absent.txt").string(), errors), 1);
  EXPECT_NE(errors.find("cannot read " + (dir_ / "absent.txt").string()), std::string::npos) << errors;
  EXPECT_EQ(RunWithArguments("", errors), 2);
  EXPECT_NE(errors.find("usage: sprites_tool <assets dir> <texts file>"), std::string::npos) << errors;
}

}  // namespace
