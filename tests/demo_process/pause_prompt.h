// What the key prompt after a failed set-up prints when its input is at its end.
#pragma once

#include <string>

namespace brisa_test {

// The prompt's whole output as ConsoleText, the same for every run on this machine.
const std::string& PausePromptOutput();

}  // namespace brisa_test
