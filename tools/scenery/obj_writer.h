// Writes a triangle soup as the OBJ subset our loader reads: "v x y z", "vt u v", "f a/b c/d e/f".
#pragma once

#include <string>

#include "tools/scenery/triangle_mesh.h"

namespace scenery {

// The file text: one comment line, the shared positions, the shared coordinates, then the faces in
// the order given.
std::string ObjText(const TriangleList& triangles, const std::string& comment);
// False (after a line on standard error) when the file cannot be written.
bool WriteObj(const std::string& path, const TriangleList& triangles, const std::string& comment);

}  // namespace scenery
