// Renders a module with libmodplug at the demo's settings to raw 16-bit little-endian stereo at 44100
// Hz.
#include <libmodplug/modplug.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

constexpr int BufferFrames = 4096;  // the demo's audio buffer
constexpr int BytesPerFrame = 4;
constexpr int StereoSeparation = 64;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: brisa_render_module MODULE RAW_OUTPUT" << std::endl;
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ModPlug_Settings settings;
  ModPlug_GetSettings(&settings);
  settings.mStereoSeparation = StereoSeparation;
  settings.mLoopCount = 1;
  ModPlug_SetSettings(&settings);
  ModPlugFile* module = bytes.empty() ? nullptr : ModPlug_Load(bytes.data(), int(bytes.size()));
  if (!module) {
    std::cerr << "cannot load module " << argv[1] << std::endl;
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  std::vector<char> buffer(BufferFrames * BytesPerFrame);
  long long frames = 0;
  for (int produced; (produced = ModPlug_Read(module, buffer.data(), int(buffer.size()))) > 0;) {
    out.write(buffer.data(), produced);
    frames += produced / BytesPerFrame;
  }
  ModPlug_Unload(module);
  if (!out) {
    std::cerr << "cannot write " << argv[2] << std::endl;
    return 1;
  }
  std::cout << "rendered " << frames << " frames (" << frames / 44100.0 << " s)" << std::endl;
  return 0;
}
