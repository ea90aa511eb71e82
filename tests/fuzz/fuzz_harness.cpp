// The fuzz targets' context, scratch file and failing check.
#include "fuzz_harness.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "support/gl_context.h"

namespace brisa_fuzz {

void OpenGlContextOrAbort() {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  Require(brisa_test::EnsureGlContext(), "an OpenGL 3.3 core context");
}

void SilenceLoaderConsole() {
  // A stream without a buffer drops what it is given.
  std::cout.rdbuf(nullptr);
  std::cerr.rdbuf(nullptr);
}

ScratchFile::ScratchFile(const std::string& name) {
  char folderTemplate[] = "/tmp/brisa-fuzz-XXXXXX";
  const char* made = mkdtemp(folderTemplate);
  Require(made != nullptr, "a temporary folder for the input file");
  folder_ = made;
  path_ = folder_ + "/" + name;
}

ScratchFile::~ScratchFile() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void ScratchFile::Write(const uint8_t* data, size_t size) const {
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  Require(out.good(), "the input written to its file");
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace brisa_fuzz
