// Shared fixture of the resource tests: a fresh manager on the GL context, a temporary Assets/ tree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/resource_manager.h"
#include "support/gl_context.h"
#include "support/work_dir.h"

namespace brisa_test {

// Each test gets its own manager behind gResourceManager and its own working folder.
class ResourceTest : public GlTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  ResourceManager manager;
  ScopedWorkDir work;

 private:
  ResourceManager* previous_ = nullptr;
};

// Encoded image files of `channels` 8-bit channels per pixel, rows top first.
std::string EncodePng(int width, int height, int channels, const std::vector<uint8_t>& pixels);
std::string EncodeJpeg(int width, int height, const std::vector<uint8_t>& rgbPixels);

// Writes "Assets/Shaders/<name>.vertex" and ".fragment" into the working folder.
void WriteShaderPair(const ScopedWorkDir& work, const std::string& name, const std::string& vertex,
                     const std::string& fragment);

// A vertex and fragment pair that uses every uniform of the location table, so none is dropped.
extern const char* const AllUniformsVertex;
extern const char* const AllUniformsFragment;

}  // namespace brisa_test
