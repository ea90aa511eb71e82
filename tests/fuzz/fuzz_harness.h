// What every fuzz target here needs: one GL context, a scratch file for the input, a check that aborts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace brisa_fuzz {

// Opens the process's hidden window and 3.3 core context (offscreen unless SDL_VIDEODRIVER says
// otherwise); aborts when none can be made, since no input could be judged without it.
void OpenGlContextOrAbort();

// The loaders' console lines, one per input, would drown libFuzzer's own; their text is the unit
// tests' business. Checks below still write to standard error.
void SilenceLoaderConsole();

// The loaders read paths, so each input is written to one file in a private temporary folder.
class ScratchFile {
 public:
  explicit ScratchFile(const std::string& name);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& path() const { return path_; }
  void Write(const uint8_t* data, size_t size) const;

 private:
  std::string folder_;
  std::string path_;
};

// A broken invariant is a finding: say which, then abort so libFuzzer keeps the input.
void Require(bool holds, const char* what);

}  // namespace brisa_fuzz
