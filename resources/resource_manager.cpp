// The registry itself: creation, id allocation, lookup by id, get-or-load by name, the shader factory.
#include "resources/resource_manager.h"

#include <iostream>
#include <memory>
#include <type_traits>

#include "resources/shader_effect.h"

ResourceManager* gResourceManager = nullptr;

ResourceManager* CreateResourceManager() {
  // Never destroyed: every resource lives until the process ends.
  static ResourceManager* holder = nullptr;
  if (holder == nullptr) holder = new ResourceManager();
  gResourceManager = holder;
  return holder;
}

namespace {

// Enters `object` under `name` (a present entry stays) and gives it the next free slot.
template <class T>
int Register(const std::string& name, T* object, std::map<std::string, T*>& byName,
             std::vector<T*>& slots, int& nextFree) {
  byName.emplace(name, object);
  const int length = static_cast<int>(slots.size());
  if (nextFree == length) {
    slots.push_back(object);
    nextFree = length + 1;
    return length;
  }
  const int id = nextFree;
  slots[id] = object;
  nextFree = length;
  for (int i = 0; i < length; ++i) {
    if (slots[i] == nullptr) {
      nextFree = i;
      break;
    }
  }
  return id;
}

template <class T>
T* ById(const std::vector<T*>& slots, int id) {
  if (id < 0 || static_cast<size_t>(id) >= slots.size()) return nullptr;
  return slots[id];
}

// The id of a name already in the object map; repairs nothing, only reports a missing id entry.
template <class T>
int KnownId(const std::string& name, T* object, const std::map<std::string, int>& idByName,
            const std::vector<T*>& slots) {
  auto found = idByName.find(name);
  if (found != idByName.end()) return found->second;
  std::cout << "Failed to find " << name << " on the ID map" << std::endl;
  for (size_t i = 0; i < slots.size(); ++i) {
    if (slots[i] == object) return static_cast<int>(i);
  }
  return -1;
}

// Builds a shader of class T; the manager keeps it only when it linked.
template <class T>
int LoadShader(ResourceManager& manager, const std::string& name) {
  std::unique_ptr<T> shader(new T());
  shader->Load(name.c_str());
  if (!shader->loaded) {
    std::cerr << "** Errores de compilacion del  Shader: " << name << std::endl;
    // Nothing will ever refer to this object or its GL names again.
    glDeleteProgram(shader->program);
    if constexpr (std::is_same_v<T, ShaderEffect>) glDeleteVertexArrays(1, &shader->vertexArray);
    return -1;
  }
  return manager.RegisterShader(name, shader.release());
}

}  // namespace

int ResourceManager::RegisterTexture(const std::string& name, Texture* texture) {
  return Register(name, texture, textureByName, textures, nextFreeTexture);
}

int ResourceManager::RegisterShader(const std::string& name, Shader* shader) {
  return Register(name, shader, shaderByName, shaders, nextFreeShader);
}

int ResourceManager::RegisterMesh(const std::string& name, Mesh* mesh) {
  return Register(name, mesh, meshByName, meshes, nextFreeMesh);
}

Texture* ResourceManager::TextureById(int id) const { return ById(textures, id); }

Shader* ResourceManager::ShaderById(int id) const { return ById(shaders, id); }

Mesh* ResourceManager::MeshById(int id) const { return ById(meshes, id); }

int ResourceManager::GetTexture(const std::string& path) {
  auto known = textureByName.find(path);
  if (known != textureByName.end()) return KnownId(path, known->second, textureIdByName, textures);
  std::cout << "Adding Texture Graphic " << path << " (first request)" << std::endl;
  const int id = CreateTextureFromFile(path);
  if (id == -1) {
    std::cout << "Failed to load " << path << " on the ID map" << std::endl;
    return -1;
  }
  textureIdByName.emplace(path, id);
  return id;
}

int ResourceManager::GetMesh(const std::string& path) {
  auto known = meshByName.find(path);
  if (known != meshByName.end()) return KnownId(path, known->second, meshIdByName, meshes);
  std::cout << "Adding Mesh: " << path << " (first request)" << std::endl;
  const int id = LoadObjMesh(path.c_str());
  if (id != -1) meshIdByName.emplace(path, id);
  return id;
}

int ResourceManager::GetShader(const std::string& name, ShaderType type) {
  auto known = shaderByName.find(name);
  if (known != shaderByName.end()) return KnownId(name, known->second, shaderIdByName, shaders);
  std::cout << "Adding Shader: " << name << " (first request)" << std::endl;
  const int id = CreateShader(name, type);
  if (id != -1) shaderIdByName.emplace(name, id);
  return id;
}

int ResourceManager::CreateShader(const std::string& name, ShaderType type) {
  switch (type) {
    case ShaderTypeColor:
      return LoadShader<ShaderColor>(*this, name);
    case ShaderTypeTexture:
      return LoadShader<ShaderTexture>(*this, name);
    case ShaderTypeEffect:
      return LoadShader<ShaderEffect>(*this, name);
    case ShaderTypeTexture3D:
      return LoadShader<ShaderTexture3D>(*this, name);
    case ShaderTypePlaneMusic:
      return LoadShader<ShaderPlaneMusic>(*this, name);
  }
  std::cerr << "** Imposible crear Shader: " << name << std::endl;
  return -1;
}
