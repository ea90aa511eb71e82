// The program's own stand-in for "pause": its prompt, then the line end once the input has ended.
#include "pause_prompt.h"

namespace brisa_test {

const std::string& PausePromptOutput() {
  static const std::string output = "Press any key to continue . . .\n";
  return output;
}

}  // namespace brisa_test
