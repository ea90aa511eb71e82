// OBJ text into the vertex and index arrays and the draw mode of one mesh, without GL.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/mesh.h"

// Why a file gave no mesh. Any answer but Ok refuses the whole mesh.
enum class ObjParseStatus {
  Ok,
  CannotOpen,       // the file could not be opened for reading
  ReadError,        // reading stopped before the end of the file
  MalformedNumber,  // a token with no number at its start, or a number out of its type's range
  BadValueCount,    // a "v" with fewer than three numbers, or a "vt" with fewer than two
  IndexOutOfRange,  // an index of 0 or less, or one past the last record of its list
};

// What the mesh's buffers receive: x, y, z per vertex, or x, y, z, u, v for MeshTextured.
struct ObjMeshData {
  MeshMode mode = MeshEmpty;
  std::vector<float> vertexData;
  std::vector<uint32_t> indices;
};

// Reads the file at `path` line by line through a FileReader; `mesh` is written only on Ok.
ObjParseStatus ParseObjFile(const char* path, ObjMeshData& mesh);
// The same over text in memory: lines end at a line feed, and a carriage return before it is dropped.
ObjParseStatus ParseObjText(const std::string& text, ObjMeshData& mesh);
