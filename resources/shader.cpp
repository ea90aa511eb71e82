// The shader family: building a program from its two source files and each kind's uniform table.
#include "resources/shader.h"

#include <vector>

#include "resources/regular_file.h"

namespace {

const char* const ShaderFolder = "Assets/Shaders/";

// The whole file as raw bytes plus a terminating zero; false unless every byte of it was read.
bool ReadSource(const std::string& path, std::vector<uint8_t>& out) {
  return ReadRegularFile(path, out, 1) == RegularFileRead::Whole;
}

GLuint CompileStage(GLenum stage, const std::vector<uint8_t>& source) {
  const GLuint shader = glCreateShader(stage);
  const char* text = reinterpret_cast<const char*>(source.data());
  glShaderSource(shader, 1, &text, nullptr);
  glCompileShader(shader);
  return shader;
}

// Compiles and links into `program`; the link status alone says whether it worked.
bool LinkProgram(GLuint program, const std::vector<uint8_t>& vertex, const std::vector<uint8_t>& fragment) {
  const GLuint vertexShader = CompileStage(GL_VERTEX_SHADER, vertex);
  const GLuint fragmentShader = CompileStage(GL_FRAGMENT_SHADER, fragment);
  glAttachShader(program, vertexShader);
  glAttachShader(program, fragmentShader);
  glLinkProgram(program);
  GLint status = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &status);
  // Flagged for deletion; they go with the program.
  glDeleteShader(vertexShader);
  glDeleteShader(fragmentShader);
  return status == GL_TRUE;
}

}  // namespace

void Shader::Load(const char* assetName) {
  if (loaded) return;
  const std::string base = std::string(ShaderFolder) + assetName;
  std::vector<uint8_t> vertex;
  std::vector<uint8_t> fragment;
  const bool vertexRead = ReadSource(base + ".vertex", vertex);
  const bool fragmentRead = ReadSource(base + ".fragment", fragment);
  if (!vertexRead || !fragmentRead) return;
  program = glCreateProgram();
  if (!LinkProgram(program, vertex, fragment)) return;
  glUseProgram(program);
  locations.resize(UniformCount, -1);
  uniformMap.clear();
  GetUniforms();
  glUseProgram(0);
  loaded = true;
  name = assetName;
}

void Shader::GetUniforms() {
  LookUp("model", UniformModel);
  LookUp("view", UniformView);
  LookUp("projection", UniformProjection);
}

GLint UniformLocation(const Shader& shader, UniformIndex index) {
  const auto slot = static_cast<size_t>(index);
  return slot < shader.locations.size() ? shader.locations[slot] : -1;
}

void Shader::LookUp(const char* uniform, UniformIndex index) {
  const int32_t location = glGetUniformLocation(program, uniform);
  locations[index] = location;
  uniformMap.emplace(uniform, location);
}

void ShaderColor::GetUniforms() {
  Shader::GetUniforms();
  LookUp("color", UniformColor);
}

void ShaderTexture::GetUniforms() {
  Shader::GetUniforms();
  LookUp("color", UniformColor);
  LookUp("colorAdd", UniformColorAdd);
  LookUp("textura", UniformTextura);
  LookUp("flip", UniformFlip);
  LookUp("texClamp", UniformTexClamp);
}

void ShaderTexture3D::GetUniforms() {
  Shader::GetUniforms();
  LookUp("color", UniformColor);
  LookUp("colorAdd", UniformColorAdd);
  LookUp("textura", UniformTextura);
  LookUp("flip", UniformFlip);
}

void ShaderPlaneMusic::GetUniforms() {
  Shader::GetUniforms();
  LookUp("color", UniformColor);
  LookUp("heightmap", UniformHeightmap);
  LookUp("factorMap", UniformFactorMap);
}
