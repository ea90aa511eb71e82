// The shader family: one linked GLSL program per asset name and its table of uniform locations.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <glad/gl.h>

enum UniformIndex : int32_t {
  UniformModel = 0,
  UniformView = 1,
  UniformProjection = 2,
  UniformColor = 3,
  UniformColorAdd = 4,
  UniformTextura = 5,
  UniformFlip = 6,
  UniformTexClamp = 7,
  UniformHeightmap = 11,
  UniformFactorMap = 12,
  UniformCount = 13,
};

class Shader {
 public:
  // Reads "Assets/Shaders/" + name + ".vertex" and ".fragment", links them and, on success, looks up
  // the kind's uniforms. Does nothing once loaded.
  virtual void Load(const char* name);
  virtual void GetUniforms();
  virtual void Unused() {}
  virtual void Draw() {}
  // Whoever holds a shader by its base may delete it: a failed load is released that way.
  virtual ~Shader() = default;

  GLuint program = 0;
  bool loaded = false;
  std::map<std::string, int32_t> uniformMap;
  std::vector<int32_t> locations;
  std::string name;

 protected:
  // Looks `uniform` up in `program` and records it at `index` (and in uniformMap).
  void LookUp(const char* uniform, UniformIndex index);
};

// The location at `index` of the shader's table; -1 (uploads do nothing) when the table has no such
// entry, as before Load.
GLint UniformLocation(const Shader& shader, UniformIndex index);

class ShaderColor final : public Shader {
 public:
  void GetUniforms() override;
};

class ShaderTexture final : public Shader {
 public:
  void GetUniforms() override;
};

class ShaderTexture3D final : public Shader {
 public:
  void GetUniforms() override;
};

class ShaderPlaneMusic final : public Shader {
 public:
  void GetUniforms() override;
};
