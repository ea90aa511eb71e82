// Fixture of the resource tests: manager swap, image encoding and shader sources.
#include "resources/resource_fixture.h"

#include <stb_image_write.h>

namespace brisa_test {

void ResourceTest::SetUp() {
  GlTest::SetUp();
  previous_ = gResourceManager;
  gResourceManager = &manager;
}

void ResourceTest::TearDown() {
  gResourceManager = previous_;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glUseProgram(0);
  glActiveTexture(GL_TEXTURE0);
}

namespace {

void AppendBytes(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

}  // namespace

std::string EncodePng(int width, int height, int channels, const std::vector<uint8_t>& pixels) {
  std::string bytes;
  stbi_write_png_to_func(AppendBytes, &bytes, width, height, channels, pixels.data(), width * channels);
  return bytes;
}

std::string EncodeJpeg(int width, int height, const std::vector<uint8_t>& rgbPixels) {
  std::string bytes;
  stbi_write_jpg_to_func(AppendBytes, &bytes, width, height, 3, rgbPixels.data(), 100);
  return bytes;
}

void WriteShaderPair(const ScopedWorkDir& work, const std::string& name, const std::string& vertex,
                     const std::string& fragment) {
  work.WriteFile("Assets/Shaders/" + name + ".vertex", vertex);
  work.WriteFile("Assets/Shaders/" + name + ".fragment", fragment);
}

const char* const AllUniformsVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec2 uv;
uniform mat4 model;
uniform mat4 view;
uniform mat4 projection;
uniform float texClamp[8];
uniform sampler2D heightmap;
uniform float factorMap;
out vec2 texCoord;
void main() {
  float height = texture(heightmap, uv).r * factorMap + texClamp[3];
  texCoord = uv;
  gl_Position = projection * view * model * vec4(position.x, position.y + height, position.z, 1.0);
}
)";

const char* const AllUniformsFragment = R"(#version 330 core
uniform vec4 color;
uniform vec3 colorAdd;
uniform sampler2D textura;
uniform int flip;
in vec2 texCoord;
out vec4 fragColor;
void main() {
  vec2 st = flip == 2 ? vec2(texCoord.x, 1.0 - texCoord.y) : texCoord;
  fragColor = texture(textura, st) * color + vec4(colorAdd, 0.0);
}
)";

}  // namespace brisa_test
