// Note names and the finetune-0 period table of ProTracker.
#include "tools/composer/note_names.h"

#include <array>

namespace composer {
namespace {

constexpr std::array<int, NoteCount> Periods = {
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,  // octave 1
    428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,  // octave 2
    214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};  // octave 3

constexpr std::array<const char*, 12> PitchNames = {"C-", "C#", "D-", "D#", "E-", "F-",
                                                    "F#", "G-", "G#", "A-", "A#", "B-"};
constexpr double MiddlePlaybackRateHz = 8363.0;
constexpr int MiddlePeriod = 428;

}  // namespace

int ParseNoteName(const std::string& text) {
  if (text.size() != 3) return 0;
  for (int pitch = 0; pitch < 12; ++pitch) {
    if (text.compare(0, 2, PitchNames[pitch]) != 0) continue;
    const int octave = text[2] - '0';
    if (octave < FirstNoteOctave || octave >= FirstNoteOctave + NoteCount / 12) return 0;
    return (octave - FirstNoteOctave) * 12 + pitch + 1;
  }
  return 0;
}

int NotePeriod(int note) { return note >= 1 && note <= NoteCount ? Periods[note - 1] : 0; }

double NotePlaybackRateHz(int note) { return MiddlePlaybackRateHz * MiddlePeriod / NotePeriod(note); }

}  // namespace composer
