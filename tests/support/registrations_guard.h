// The resource manager's registrations, put back so objects a test registers leave with the test.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "resources/resource_manager.h"

namespace brisa_test {

// Copies the names, slots, id entries and next-free index of every kind in gResourceManager; the
// destructor writes them back. What the test registered meanwhile is gone from the manager, and
// nothing is freed: the objects are the test's own.
class RegistrationsGuard {
 public:
  RegistrationsGuard();
  ~RegistrationsGuard();
  RegistrationsGuard(const RegistrationsGuard&) = delete;
  RegistrationsGuard& operator=(const RegistrationsGuard&) = delete;

 private:
  template <class T>
  struct Kind {
    std::map<std::string, T*> byName;
    std::vector<T*> slots;
    std::map<std::string, int> idByName;
    int nextFree = 0;
  };

  ResourceManager& manager_;
  Kind<Texture> textures_;
  Kind<Shader> shaders_;
  Kind<Mesh> meshes_;
};

}  // namespace brisa_test
