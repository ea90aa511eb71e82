// The composer: reads a score and writes the module it describes.
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/composer/mod_writer.h"
#include "tools/composer/score_parser.h"
#include "tools/composer/synth.h"

namespace {

bool ReadFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

std::vector<uint8_t> Compose(const std::string& score) {
  const composer::Song song = composer::ParseScore(score);
  std::vector<std::vector<int8_t>> sampleData(composer::SampleSlotCount);
  for (const composer::SampleSpec& spec : song.samples)
    sampleData[spec.slot - 1] = composer::SynthesizeSample(spec);
  return composer::WriteModule(song, sampleData);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: brisa_composer SCORE MODULE" << std::endl;
    return 2;
  }
  std::string score;
  if (!ReadFile(argv[1], score)) {
    std::cerr << "cannot read score " << argv[1] << std::endl;
    return 1;
  }
  std::vector<uint8_t> module;
  try {
    module = Compose(score);
  } catch (const composer::ScoreError& error) {
    std::cerr << argv[1] << ":" << error.line() << ": " << error.what() << std::endl;
    return 1;
  }
  if (!WriteFile(argv[2], module)) {
    std::cerr << "cannot write module " << argv[2] << std::endl;
    return 1;
  }
  return 0;
}
