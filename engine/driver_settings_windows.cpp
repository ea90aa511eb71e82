// The show's platform leaves its OpenGL driver as the user has set it up.
#include "engine/driver_settings.h"

void PreferDriverSettings() {}
