// Tracker note names ("C-2", "F#3") and the ProTracker periods they stand for.
#pragma once

#include <string>

namespace composer {

constexpr int FirstNoteOctave = 1;
constexpr int NoteCount = 36;  // C-1 to B-3

// 1 (C-1) to 36 (B-3); 0 when the text is no note name of that range.
int ParseNoteName(const std::string& text);
// Amiga period of a note with finetune 0.
int NotePeriod(int note);
// The rate in Hz at which a tracker plays a sample for that note (8363 Hz at C-2).
double NotePlaybackRateHz(int note);

}  // namespace composer
