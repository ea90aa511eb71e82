// ResourceManager::LoadObjMesh: parses an OBJ file and uploads it as one vertex array.
#include <iostream>

#include "resources/obj_parser.h"
#include "resources/resource_manager.h"

namespace {

constexpr GLuint PositionAttribute = 0;
constexpr GLuint TexCoordAttribute = 1;

GLsizei VertexStrideBytes(MeshMode mode) {
  return static_cast<GLsizei>((mode == MeshTextured ? 5 : 3) * sizeof(float));
}

// Fills the bound GL_ARRAY_BUFFER and points the attributes into it; an empty mesh gets neither.
void UploadVertexData(const ObjMeshData& data) {
  if (data.mode == MeshEmpty) return;
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(data.vertexData.size() * sizeof(float)),
               data.vertexData.data(), GL_STATIC_DRAW);
  const GLsizei stride = VertexStrideBytes(data.mode);
  glVertexAttribPointer(PositionAttribute, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
  if (data.mode == MeshTextured) {
    const void* texCoordOffset = reinterpret_cast<const void*>(3 * sizeof(float));
    glVertexAttribPointer(TexCoordAttribute, 2, GL_FLOAT, GL_FALSE, stride, texCoordOffset);
  }
}

void UploadIndices(const ObjMeshData& data) {
  if (data.mode == MeshEmpty) return;
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(data.indices.size() * sizeof(uint32_t)),
               data.indices.data(), GL_STATIC_DRAW);
  glEnableVertexAttribArray(PositionAttribute);
  if (data.mode == MeshTextured) glEnableVertexAttribArray(TexCoordAttribute);
}

Mesh* UploadMesh(const ObjMeshData& data) {
  Mesh* mesh = new Mesh();
  glGenVertexArrays(1, &mesh->vao);
  glBindVertexArray(mesh->vao);
  glGenBuffers(1, &mesh->vbo);
  glBindBuffer(GL_ARRAY_BUFFER, mesh->vbo);
  UploadVertexData(data);
  glGenBuffers(1, &mesh->ebo);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh->ebo);
  UploadIndices(data);
  glBindVertexArray(0);
  mesh->mode = data.mode;
  mesh->indexCount = static_cast<int32_t>(data.indices.size());
  return mesh;
}

}  // namespace

int ResourceManager::LoadObjMesh(const char* path) {
  ObjMeshData data;
  if (ParseObjFile(path, data) != ObjParseStatus::Ok) {
    std::cerr << "** Imposible crear Mesh: " << path << std::endl;
    return -1;
  }
  return RegisterMesh(path, UploadMesh(data));
}
