// The command interpreter's "pause" run by the test, with its input on the null device as the program's
// is: the text depends on the interpreter (and its language), so it is read, not written down.
#include "pause_prompt.h"

#include <cstdio>

#include "child_process.h"
#include "show_output.h"
#include "support/file_contents.h"

namespace brisa_test {

namespace {

std::string InterpreterPauseOutput() {
  const std::string outPath = MakeTempFile("brisa-pause");
  std::string output;
  // The prompt is never empty, so an empty text is an interpreter that did not start.
  StartWithRetries([&] {
    RunCommand("cmd /c pause <NUL >\"" + outPath + "\"");
    output = ConsoleText(ReadFile(outPath));
    return !output.empty();
  });
  std::remove(outPath.c_str());
  return output;
}

}  // namespace

const std::string& PausePromptOutput() {
  static const std::string output = InterpreterPauseOutput();
  return output;
}

}  // namespace brisa_test
