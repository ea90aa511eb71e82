// FileReader: the mode table, line reads with their line ends, and the reader's console lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/file_reader.h"
#include "support/console_capture.h"
#include "support/unreadable_file.h"
#include "support/work_dir.h"

namespace {

using brisa_test::ConsoleCapture;
using brisa_test::ScopedWorkDir;

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Console {
  std::string out;
  std::string err;
};

// Runs `action` with the console captured; test failures must be reported after it returns.
template <typename Action>
Console Captured(Action action) {
  ConsoleCapture capture;
  action();
  return Console{capture.Stdout(), capture.Stderr()};
}

// Every line until IsEOF answers true, with a bound so that a reader that never ends fails instead.
std::vector<std::string> ReadAllLines(FileReader& reader) {
  std::vector<std::string> lines;
  while (!reader.IsEOF() && lines.size() < 100) lines.push_back(reader.ReadLine());
  return lines;
}

TEST(FileReader, StartsClosed) {
  FileReader reader;
  EXPECT_EQ(reader.fileName, "");
  EXPECT_EQ(reader.modeText, "closed");
  EXPECT_EQ(reader.mode, FileClosed);
  EXPECT_FALSE(reader.opened);
}

TEST(FileReader, OpensEachModeOfTheTable) {
  struct ModeCase {
    const char* text;
    FileMode mode;
    int value;
  };
  const ModeCase cases[] = {
      {"r", FileRead, 0},        {"w", FileWrite, 1},       {"rb", FileReadBinary, 2},
      {"wb", FileWriteBinary, 3}, {"wa", FileWriteAtEnd, 4}, {"wba", FileWriteAtEndBinary, 5},
  };
  ScopedWorkDir dir;
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(c.text);
    dir.WriteFile("f.txt", "old\n");
    FileReader reader;
    Console console = Captured([&] { reader.Open("f.txt", c.text); });
    EXPECT_TRUE(reader.opened);
    EXPECT_EQ(reader.mode, c.mode);
    EXPECT_EQ(static_cast<int>(reader.mode), c.value);
    EXPECT_EQ(reader.modeText, c.text);
    EXPECT_EQ(reader.fileName, "f.txt");
    EXPECT_EQ(console.out, "");
  }
}

TEST(FileReader, WriteModesEmptyTheFileAndWriteFromItsStart) {
  const char* const modes[] = {"w", "wb", "wa", "wba"};
  ScopedWorkDir dir;
  for (const char* modeText : modes) {
    SCOPED_TRACE(modeText);
    dir.WriteFile("f.txt", "old content\n");
    FileReader reader;
    reader.Open("f.txt", modeText);
    ASSERT_TRUE(reader.opened);
    EXPECT_EQ(reader.stream.tellp(), 0);
    reader.stream << "new";
    reader.Close();
    EXPECT_EQ(ReadWhole("f.txt"), "new");
  }
}

TEST(FileReader, WriteModeCreatesAMissingFile) {
  ScopedWorkDir dir;
  FileReader reader;
  reader.Open("made.txt", "wa");
  EXPECT_TRUE(reader.opened);
  reader.Close();
  EXPECT_TRUE(std::filesystem::exists("made.txt"));
}

TEST(FileReader, ReportsWhatCannotBeOpened) {
  struct FailCase {
    const char* name;
    const char* modeText;
    FileMode mode;
    const char* line;
  };
  const FailCase cases[] = {
      {"missing.txt", "r", FileRead, "Error with open mode: r - File : missing.txt\n"},
      {"missing.txt", "rb", FileReadBinary, "Error with open mode: rb - File : missing.txt\n"},
      {"no/such/dir/out.txt", "w", FileWrite, "Error with open mode: w - File : no/such/dir/out.txt\n"},
      {"f.txt", "R", FileClosed, "Error with open mode: R - File : f.txt\n"},
      {"f.txt", "a", FileClosed, "Error with open mode: a - File : f.txt\n"},
      {"f.txt", "", FileClosed, "Error with open mode:  - File : f.txt\n"},
  };
  ScopedWorkDir dir;
  dir.WriteFile("f.txt", "kept\n");
  for (const FailCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " with \"" + c.modeText + "\"");
    FileReader reader;
    Console console = Captured([&] { reader.Open(c.name, c.modeText); });
    EXPECT_FALSE(reader.opened);
    EXPECT_EQ(reader.mode, c.mode);
    EXPECT_EQ(reader.modeText, c.modeText);
    EXPECT_EQ(console.out, c.line);
    EXPECT_EQ(console.err, "");
  }
  EXPECT_EQ(ReadWhole("f.txt"), "kept\n");
}

TEST(FileReader, ReadsLinesWithoutTheirLineEnds) {
  struct LinesCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const LinesCase cases[] = {
      {"final line feed ends with one empty read", "a\nb\n", {"a", "b", ""}},
      {"last line without line feed", "a\nb", {"a", "b"}},
      {"CR LF reads as LF", "a \r\nb\r\n\r\nc", {"a ", "b", "", "c"}},
      {"empty file", "", {""}},
      {"blank lines kept", "\n\nx", {"", "", "x"}},
      {"CR inside a line stays", "a\rb\n", {"a\rb", ""}},
      {"a 0x1A byte is text, not the end", "a\x1a" "b\nc", {"a\x1a" "b", "c"}},
      {"only the CR of a CR LF is dropped", "a\r\r\nb", {"a\r", "b"}},
      // A last line without a line feed keeps every character, whatever it ends with, and no
      // empty read follows it.
      {"last line ending in a CR", "a\r\nb\r", {"a", "b\r"}},
      {"a lone CR", "\r", {"\r"}},
      {"last line ending in a blank", "a\nb ", {"a", "b "}},
      {"last line ending in a 0x1A byte", "a\nb\x1a", {"a", "b\x1a"}},
      {"last line ending in a backslash", "a\nb\\", {"a", "b\\"}},
      {"last line of one character", "ab\nc", {"ab", "c"}},
      {"a single character", "x", {"x"}},
  };
  ScopedWorkDir dir;
  for (const LinesCase& c : cases) {
    SCOPED_TRACE(c.name);
    dir.WriteFile("f.txt", c.bytes);
    FileReader reader;
    reader.Open("f.txt", "r");
    ASSERT_TRUE(reader.opened);
    EXPECT_EQ(ReadAllLines(reader), c.lines);
    EXPECT_FALSE(reader.HasReadError());
  }
}

TEST(FileReader, OnlyReadModeReads) {
  const char* const modes[] = {"rb", "w", "wb", "wa", "wba"};
  ScopedWorkDir dir;
  for (const char* modeText : modes) {
    SCOPED_TRACE(modeText);
    dir.WriteFile("f.txt", "line\n");
    FileReader reader;
    reader.Open("f.txt", modeText);
    ASSERT_TRUE(reader.opened);
    std::string line = "unread";
    Console console = Captured([&] { line = reader.ReadLine(); });
    EXPECT_EQ(line, "");
    EXPECT_EQ(console.out, std::string("Open mode: ") + modeText + " prevents from reading\n");
  }
}

TEST(FileReader, AnswersUseWhileNotOpenedWithAMessage) {
  FileReader reader;
  bool atEnd = true;
  std::string line = "unread";
  Console console = Captured([&] {
    atEnd = reader.IsEOF();
    line = reader.ReadLine();
  });
  EXPECT_FALSE(atEnd);
  EXPECT_EQ(line, "");
  EXPECT_EQ(console.out, "The file is not opened\nThe file is not opened\n");
  EXPECT_EQ(console.err, "");
}

TEST(FileReader, CloseKeepsTheModeAndStopsReading) {
  ScopedWorkDir dir;
  dir.WriteFile("f.txt", "line\n");
  FileReader reader;
  reader.Open("f.txt", "r");
  reader.Close();
  EXPECT_FALSE(reader.opened);
  EXPECT_FALSE(reader.stream.is_open());
  EXPECT_EQ(reader.mode, FileRead);
  EXPECT_EQ(reader.modeText, "r");
  std::string line = "unread";
  Console console = Captured([&] {
    line = reader.ReadLine();
    reader.Close();
  });
  EXPECT_EQ(line, "");
  EXPECT_EQ(console.out, "The file is not opened\n");
}

TEST(FileReader, AReadErrorEndsTheReadLoop) {
  ScopedWorkDir dir;
  const brisa_test::UnreadableFile unreadable("unreadable");
  FileReader reader;
  reader.Open(unreadable.path().c_str(), "r");
  ASSERT_TRUE(reader.opened);
  EXPECT_EQ(ReadAllLines(reader), std::vector<std::string>{""});
  EXPECT_TRUE(reader.IsEOF());
  EXPECT_TRUE(reader.HasReadError());
}

}  // namespace
