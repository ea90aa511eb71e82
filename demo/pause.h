// The key prompt after a failed set-up: the command interpreter's "pause", or a stand-in for it.
#pragma once

// Prints the prompt and waits for one key press from the console; returns at the end of input, so
// an unattended run never hangs here.
void PauseForKey();
