// What a run of the show leaves behind: its own console lines, and the sound SDL's disk driver wrote.
#pragma once

#include <cstddef>
#include <string>

#include "child_process.h"

namespace brisa_test {

// 4096 frames of two 16-bit channels.
constexpr size_t DeviceBufferBytes = 4096 * 4;

// No one watching and no sound card: the platform's unattended video, and the sound written to `soundFile`.
ChildEnvironment UnattendedWithDiskAudio(const std::string& soundFile);

bool OnlySilence(const std::string& bytes, size_t from = 0);

// What a program wrote to a console stream, its lines ended by "\n": Windows' text mode ends them "\r\n".
std::string ConsoleText(const std::string& written);

// SDL's disk driver announces itself on standard error; the program's own lines are the rest, as ConsoleText.
std::string ProgramErrors(const std::string& err);

// What libmodplug mixes for the module with the program's settings, in device-sized buffers.
std::string MixedSong(const std::string& module);

// Where the song starts in what the device wrote: after whole buffers of silence; npos when it is not there.
size_t SongOffset(const std::string& written, const std::string& music);

// The device wrote silence, then `music` byte for byte, then only silence. Empty when so, else what is wrong.
std::string SongWrittenWhole(const std::string& written, const std::string& music);

}  // namespace brisa_test
