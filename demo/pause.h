// A stand-in for the command interpreter's "pause": the prompt, then one key from a terminal.
#pragma once

constexpr const char* PausePrompt = "Press any key to continue . . .";

// Prints the prompt and, when standard input is a terminal, waits for one key press. Returns at
// once otherwise, so an unattended run never hangs here.
void PauseForKey();
