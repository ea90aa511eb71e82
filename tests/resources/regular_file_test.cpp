// Reading a file whole: its bytes as they are, the zero tail after them, and what is refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/regular_file.h"
#include "support/unreadable_file.h"
#include "support/work_dir.h"

namespace {

using brisa_test::ScopedWorkDir;

TEST(RegularFile, ReadsEveryByteAsItIsAndThenTheZeroTail) {
  ScopedWorkDir dir;
  // CR LF, a DOS end-of-file byte and a zero, none of them special to a binary read.
  const std::string content("line\r\n\x1a\0end", 11);
  dir.WriteFile("file.bin", content);
  dir.WriteFile("empty.bin", "");
  struct Case {
    const char* path;
    size_t zeroTail;
    std::string expected;
  };
  const Case cases[] = {
      {"file.bin", 0, content},
      {"file.bin", 1, content + std::string(1, '\0')},
      {"file.bin", 3, content + std::string(3, '\0')},
      {"empty.bin", 0, ""},
      {"empty.bin", 1, std::string(1, '\0')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.path << " with " << c.zeroTail << " zeros");
    std::vector<uint8_t> bytes(16, 7);  // replaced, not added to
    EXPECT_EQ(ReadRegularFile(c.path, bytes, c.zeroTail), RegularFileRead::Whole);
    EXPECT_EQ(bytes, std::vector<uint8_t>(c.expected.begin(), c.expected.end()));
  }
}

TEST(RegularFile, RefusesWhatIsNoRegularFile) {
  ScopedWorkDir dir;
  dir.WriteFile("folder/file", "x");
  const brisa_test::UnreadableFile unreadable("unreadable");
  for (const std::string& path : {std::string("missing"), std::string("folder"), unreadable.path()}) {
    SCOPED_TRACE(path);
    std::vector<uint8_t> bytes;
    EXPECT_EQ(ReadRegularFile(path, bytes, 1), RegularFileRead::NotOpened);
  }
}

}  // namespace
