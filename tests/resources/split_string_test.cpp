// SplitString: where tokens start and end, and which empty tokens appear.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/split_string.h"

namespace {

struct SplitCase {
  const char* text;
  char delimiter;
  std::vector<std::string> tokens;
};

TEST(SplitString, CutsAtEachDelimiterAndKeepsEmptyTokensBetweenThem) {
  const SplitCase cases[] = {
      {"", ' ', {}},
      {"abc", ' ', {"abc"}},
      {"v 1 2 3", ' ', {"v", "1", "2", "3"}},
      {"v 1 2 3 ", ' ', {"v", "1", "2", "3"}},
      {"v 1 2 3  ", ' ', {"v", "1", "2", "3", ""}},
      {" v", ' ', {"", "v"}},
      {"a  b", ' ', {"a", "", "b"}},
      {" ", ' ', {""}},
      {"  ", ' ', {"", ""}},
      {"1//3", '/', {"1", "", "3"}},
      {"1/", '/', {"1"}},
      {"/2", '/', {"", "2"}},
      {"1/2/3/4", '/', {"1", "2", "3", "4"}},
      {"a\tb c\r", ' ', {"a\tb", "c\r"}},
      {"a b", '/', {"a b"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\" at '" + c.delimiter + "'");
    EXPECT_EQ(SplitString(c.text, c.delimiter), c.tokens);
  }
}

TEST(SplitString, KeepsBytesPastAnEmbeddedNul) {
  const std::string text("a\0b c", 5);
  EXPECT_EQ(SplitString(text, ' '), (std::vector<std::string>{std::string("a\0b", 3), "c"}));
}

}  // namespace
