// Reading back a run: the console filter, the reference mix, and where the song sits in the written sound.
#include "show_output.h"

#include <libmodplug/modplug.h>

#include <sstream>

#include "unattended_video.h"

namespace brisa_test {

ChildEnvironment UnattendedWithDiskAudio(const std::string& soundFile) {
  return {{"SDL_VIDEODRIVER", UnattendedVideoDriver()}, {"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", soundFile}};
}

bool OnlySilence(const std::string& bytes, size_t from) {
  return bytes.find_first_not_of('\0', from) == std::string::npos;
}

std::string ConsoleText(const std::string& written) {
  std::string text;
  for (size_t i = 0; i < written.size(); ++i) {
    if (written[i] != '\r' || i + 1 == written.size() || written[i + 1] != '\n') text += written[i];
  }
  return text;
}

std::string ProgramErrors(const std::string& err) {
  std::istringstream lines(ConsoleText(err));
  std::string kept;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("CRITICAL: ", 0) != 0) kept += line + "\n";
  }
  return kept;
}

std::string MixedSong(const std::string& module) {
  ModPlug_Settings settings;
  ModPlug_GetSettings(&settings);
  settings.mStereoSeparation = 64;
  settings.mLoopCount = 1;
  ModPlug_SetSettings(&settings);
  ModPlugFile* song = ModPlug_Load(module.data(), static_cast<int>(module.size()));
  std::string music;
  std::string buffer(DeviceBufferBytes, '\0');
  for (int produced; song != nullptr && (produced = ModPlug_Read(song, buffer.data(), int(buffer.size()))) > 0;) {
    music.append(buffer, 0, static_cast<size_t>(produced));
  }
  if (song != nullptr) ModPlug_Unload(song);
  return music;
}

size_t SongOffset(const std::string& written, const std::string& music) {
  for (size_t offset = 0; offset + music.size() <= written.size(); offset += DeviceBufferBytes) {
    if (written.compare(offset, music.size(), music) == 0) return offset;
  }
  return std::string::npos;
}

std::string SongWrittenWhole(const std::string& written, const std::string& music) {
  if (OnlySilence(music)) return "the reference mix is silent";
  const size_t offset = SongOffset(written, music);
  if (offset == std::string::npos) {
    return "the song is not in the " + std::to_string(written.size()) + " bytes written (" +
           std::to_string(music.size()) + " bytes of music expected)";
  }
  if (!OnlySilence(written.substr(0, offset))) return "sound before the song";
  if (!OnlySilence(written, offset + music.size())) return "sound after the song";
  return "";
}

}  // namespace brisa_test
