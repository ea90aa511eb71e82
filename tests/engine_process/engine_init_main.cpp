// A process that starts the engine as the demo does, then says so; its exit code tells how far it got.
#include <iostream>

#include "engine/engine.h"
#include "resources/resource_manager.h"

int main() {
  gEngine = Engine::Instance();
  CreateResourceManager();
  gEngine->Init();
  std::cout << "Engine started " << gEngine->width << "x" << gEngine->height << std::endl;
  return 0;
}
