// The uploaded mesh record and how its buffers are to be drawn.
#pragma once

#include <cstdint>

#include <glad/gl.h>

enum MeshMode : int32_t {
  MeshEmpty = -1,
  MeshLines = 0,
  MeshTriangles = 1,
  MeshTextured = 2,
};

struct Mesh {
  GLuint vao = 0;
  GLuint vbo = 0;
  GLuint ebo = 0;
  int32_t mode = MeshEmpty;
  int32_t indexCount = 0;
};
