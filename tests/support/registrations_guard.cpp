// Copying the manager's registrations of each kind and writing them back.
#include "support/registrations_guard.h"

namespace brisa_test {

RegistrationsGuard::RegistrationsGuard()
    : manager_(*gResourceManager),
      textures_{manager_.textureByName, manager_.textures, manager_.textureIdByName, manager_.nextFreeTexture},
      shaders_{manager_.shaderByName, manager_.shaders, manager_.shaderIdByName, manager_.nextFreeShader},
      meshes_{manager_.meshByName, manager_.meshes, manager_.meshIdByName, manager_.nextFreeMesh} {}

RegistrationsGuard::~RegistrationsGuard() {
  manager_.textureByName = textures_.byName;
  manager_.textures = textures_.slots;
  manager_.textureIdByName = textures_.idByName;
  manager_.nextFreeTexture = textures_.nextFree;
  manager_.shaderByName = shaders_.byName;
  manager_.shaders = shaders_.slots;
  manager_.shaderIdByName = shaders_.idByName;
  manager_.nextFreeShader = shaders_.nextFree;
  manager_.meshByName = meshes_.byName;
  manager_.meshes = meshes_.slots;
  manager_.meshIdByName = meshes_.idByName;
  manager_.nextFreeMesh = meshes_.nextFree;
}

}  // namespace brisa_test
