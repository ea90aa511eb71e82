// The one registry of textures, shaders and meshes: get-or-load by name, lookup by integer id.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "resources/image_prefetch.h"
#include "resources/mesh.h"
#include "resources/shader.h"
#include "resources/texture.h"

enum ShaderType : uint32_t {
  ShaderTypeColor = 0,
  ShaderTypeTexture = 1,
  ShaderTypeEffect = 5,
  ShaderTypeTexture3D = 8,
  ShaderTypePlaneMusic = 9,
};

class ResourceManager {
 public:
  ResourceManager() = default;

  // Get-or-load by name: the id of the resource, loading it on its first request; -1 on failure.
  int GetTexture(const std::string& path);
  int GetMesh(const std::string& path);
  int GetShader(const std::string& name, ShaderType type);

  // Makes and loads a shader of the class that `type` names; registers it when it links.
  int CreateShader(const std::string& name, ShaderType type);
  int CreateTextureFromFile(const std::string& path);
  int CreateRenderTexture(const std::string& name, uint16_t width, uint16_t height, bool repeat);
  int LoadObjMesh(const char* path);

  // Image files about to be requested are decoded on worker threads meanwhile; a request takes its
  // picture from there. Dropping waits for and discards whatever was not requested.
  void PrefetchImages(const std::vector<std::string>& paths);
  void DropPrefetchedImages();

  // Registration: enters the object under its name (an existing entry stays) and allocates its id
  // from the kind's next-free index. The id-map entry is the caller's.
  int RegisterTexture(const std::string& name, Texture* texture);
  int RegisterShader(const std::string& name, Shader* shader);
  int RegisterMesh(const std::string& name, Mesh* mesh);

  // Lookup by id: null for an id below 0 or not below the length of the kind's vector.
  Texture* TextureById(int id) const;
  Shader* ShaderById(int id) const;
  Mesh* MeshById(int id) const;

  uint8_t filterLinear = 0;

  std::map<std::string, Texture*> textureByName;
  std::vector<Texture*> textures;
  std::map<std::string, int> textureIdByName;
  int nextFreeTexture = 0;

  std::map<std::string, Shader*> shaderByName;
  std::vector<Shader*> shaders;
  std::map<std::string, int> shaderIdByName;
  int nextFreeShader = 0;

  std::map<std::string, Mesh*> meshByName;
  std::vector<Mesh*> meshes;
  std::map<std::string, int> meshIdByName;
  int nextFreeMesh = 0;

 private:
  // The picture of `path`, from the prefetch when it was started there; false when it does not
  // decode or is larger than the driver takes.
  bool DecodeImage(const std::string& path, DecodedImage& image);

  ImagePrefetch imagePrefetch;
};

extern ResourceManager* gResourceManager;

// Creates the single manager on the first call and points gResourceManager at it.
ResourceManager* CreateResourceManager();
