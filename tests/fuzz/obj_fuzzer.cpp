// libFuzzer target: any bytes as an OBJ file, through the GL-free parser and through LoadObjMesh.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_harness.h"
#include "gl_read_guard.h"
#include "resources/obj_parser.h"
#include "resources/resource_manager.h"
#include "support/gl_context.h"

namespace {

using brisa_fuzz::Require;

const brisa_fuzz::ScratchFile* inputFile = nullptr;

size_t FloatsPerVertex(int32_t mode) { return mode == MeshTextured ? 5 : 3; }

void RequireIndicesInside(const std::vector<uint32_t>& indices, size_t vertexFloats, int32_t mode,
                          const char* what) {
  const size_t vertexCount = vertexFloats / FloatsPerVertex(mode);
  for (uint32_t index : indices) Require(index < vertexCount, what);
}

// Both entries of the parser give the same answer, and an accepted mesh names only its own vertices.
bool ParsesToAValidMesh(const uint8_t* data, size_t size, ObjMeshData& mesh) {
  const ObjParseStatus fromFile = ParseObjFile(inputFile->path().c_str(), mesh);
  ObjMeshData inMemory;
  const ObjParseStatus fromText = ParseObjText(std::string(reinterpret_cast<const char*>(data), size), inMemory);
  Require(fromFile == fromText, "the file and the same text in memory get the same answer");
  if (fromFile != ObjParseStatus::Ok) return false;
  Require(inMemory.mode == mesh.mode && inMemory.vertexData == mesh.vertexData && inMemory.indices == mesh.indices,
          "the file and the same text in memory give the same mesh");
  Require(mesh.vertexData.size() % FloatsPerVertex(mesh.mode) == 0, "the vertex list holds whole vertices");
  Require(mesh.mode != MeshEmpty || mesh.indices.empty(), "an empty mesh has no indices");
  RequireIndicesInside(mesh.indices, mesh.vertexData.size(), mesh.mode, "every parsed index names a vertex");
  return true;
}

// What the driver holds, read back: the parsed indices, each inside the uploaded vertex buffer.
void RequireUploadedAsParsed(const Mesh& mesh, const ObjMeshData& parsed) {
  Require(mesh.mode == parsed.mode, "the mesh keeps the parsed mode");
  Require(mesh.indexCount == static_cast<int32_t>(parsed.indices.size()), "the index count is the parsed one");
  glBindVertexArray(mesh.vao);
  const std::vector<uint32_t> indices = brisa_test::ReadBuffer<uint32_t>(GL_ELEMENT_ARRAY_BUFFER, mesh.ebo);
  glBindVertexArray(0);
  const std::vector<float> vertices = brisa_test::ReadBuffer<float>(GL_ARRAY_BUFFER, mesh.vbo);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  Require(glGetError() == GL_NO_ERROR, "the upload and its read-back raise no GL error");
  Require(indices == parsed.indices, "the element buffer holds the parsed indices");
  Require(vertices.size() == parsed.vertexData.size(), "the vertex buffer holds the parsed vertices");
  RequireIndicesInside(indices, vertices.size(), mesh.mode, "every uploaded index is inside the vertex buffer");
}

// The manager never frees a mesh; the fuzzer makes one per input and must.
void ReleaseMesh(Mesh* mesh) {
  glDeleteVertexArrays(1, &mesh->vao);
  glDeleteBuffers(1, &mesh->vbo);
  glDeleteBuffers(1, &mesh->ebo);
  delete mesh;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  brisa_fuzz::OpenGlContextOrAbort();
  brisa_fuzz::GuardClientMemoryReads();
  brisa_fuzz::SilenceLoaderConsole();
  static const brisa_fuzz::ScratchFile file("mesh.obj");
  inputFile = &file;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  inputFile->Write(data, size);
  ObjMeshData parsed;
  const bool accepted = ParsesToAValidMesh(data, size, parsed);
  ResourceManager manager;
  const int id = manager.GetMesh(inputFile->path());
  if (!accepted) {
    Require(id == -1, "a refused mesh gives -1");
    Require(manager.meshes.empty() && manager.meshByName.empty() && manager.meshIdByName.empty() &&
                manager.nextFreeMesh == 0,
            "a refused mesh registers nothing");
    return 0;
  }
  Require(id == 0 && manager.meshes.size() == 1 && manager.MeshById(0) != nullptr,
          "an accepted mesh is registered as the manager's first");
  RequireUploadedAsParsed(*manager.MeshById(0), parsed);
  ReleaseMesh(manager.MeshById(0));
  return 0;
}
