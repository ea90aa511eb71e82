// LoadObjMesh on the real driver: buffers, attribute layout, index data, registration and refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_manager.h"
#include "support/console_capture.h"
#include "support/gl_context.h"
#include "support/work_dir.h"

namespace {

using brisa_test::ConsoleCapture;
using brisa_test::GlTest;
using brisa_test::ScopedWorkDir;

struct AttributeState {
  GLint enabled;
  GLint size;
  GLint type;
  GLint normalized;
  GLint stride;
  GLint buffer;
  uintptr_t offset;
};

AttributeState ReadAttribute(GLuint index) {
  AttributeState state{};
  glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &state.enabled);
  glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_SIZE, &state.size);
  glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_TYPE, &state.type);
  glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_NORMALIZED, &state.normalized);
  glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &state.stride);
  glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &state.buffer);
  void* pointer = nullptr;
  glGetVertexAttribPointerv(index, GL_VERTEX_ATTRIB_ARRAY_POINTER, &pointer);
  state.offset = reinterpret_cast<uintptr_t>(pointer);
  return state;
}

void ExpectFloatAttribute(const AttributeState& a, GLint size, GLint stride, uintptr_t offset, GLuint vbo) {
  EXPECT_EQ(a.enabled, GL_TRUE);
  EXPECT_EQ(a.size, size);
  EXPECT_EQ(a.type, GL_FLOAT);
  EXPECT_EQ(a.normalized, GL_FALSE);
  EXPECT_EQ(a.stride, stride);
  EXPECT_EQ(a.offset, offset);
  EXPECT_EQ(static_cast<GLuint>(a.buffer), vbo);
}

struct UploadCase {
  const char* name;
  std::string text;
  MeshMode mode;
  std::vector<float> vertexData;
  std::vector<uint32_t> indices;
};

const char* const Quad = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n";

class ObjLoaderTest : public GlTest {
 protected:
  // Loads `text` as "mesh.obj" into the test's own manager, returning what reached each stream.
  int Load(const std::string& text, std::string* out = nullptr, std::string* err = nullptr) {
    dir_.WriteFile("mesh.obj", text);
    return LoadPath("mesh.obj", out, err);
  }

  int LoadPath(const char* path, std::string* out = nullptr, std::string* err = nullptr) {
    int id = -1;
    std::string captured[2];
    {
      ConsoleCapture console;
      id = manager_.LoadObjMesh(path);
      captured[0] = console.Stdout();
      captured[1] = console.Stderr();
    }
    if (out != nullptr) *out = captured[0];
    if (err != nullptr) *err = captured[1];
    return id;
  }

  void ExpectUploaded(const UploadCase& c, const Mesh& mesh) {
    EXPECT_EQ(mesh.mode, c.mode);
    EXPECT_EQ(mesh.indexCount, static_cast<int32_t>(c.indices.size()));
    EXPECT_TRUE(glIsVertexArray(mesh.vao));
    EXPECT_TRUE(glIsBuffer(mesh.vbo));
    EXPECT_TRUE(glIsBuffer(mesh.ebo));
    glBindVertexArray(mesh.vao);
    GLint elementBuffer = 0;
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer);
    EXPECT_EQ(static_cast<GLuint>(elementBuffer), mesh.ebo);
    ExpectAttributes(c.mode, mesh.vbo);
    EXPECT_EQ(brisa_test::ReadBuffer<uint32_t>(GL_ELEMENT_ARRAY_BUFFER, mesh.ebo), c.indices);
    glBindVertexArray(0);
    EXPECT_EQ(brisa_test::ReadBuffer<float>(GL_ARRAY_BUFFER, mesh.vbo), c.vertexData);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  }

  static void ExpectAttributes(MeshMode mode, GLuint vbo) {
    AttributeState position = ReadAttribute(0);
    AttributeState texCoord = ReadAttribute(1);
    if (mode == MeshEmpty) {
      EXPECT_EQ(position.enabled, GL_FALSE);
      EXPECT_EQ(position.buffer, 0);
    } else if (mode == MeshTextured) {
      ExpectFloatAttribute(position, 3, 20, 0, vbo);
      ExpectFloatAttribute(texCoord, 2, 20, 12, vbo);
      return;
    } else {
      ExpectFloatAttribute(position, 3, 12, 0, vbo);
    }
    EXPECT_EQ(texCoord.enabled, GL_FALSE);
  }

  ScopedWorkDir dir_;
  ResourceManager manager_;
};

TEST_F(ObjLoaderTest, UploadsEachModeWithItsLayout) {
  const std::vector<float> quadPositions = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};
  const UploadCase cases[] = {
      {"lines", std::string(Quad) + "l 1 2 3 4\n", MeshLines, quadPositions, {0, 1, 1, 2, 2, 3}},
      {"triangles", std::string(Quad) + "f 1 2 3\nf 1//1 3//1 4//1\n", MeshTriangles, quadPositions,
       {0, 1, 2, 0, 2, 3}},
      {"textured", std::string(Quad) + "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nf 1/1 2/2 3/3\nf 1/1 3/3 4/4\n",
       MeshTextured, {0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1, 1, 0, 1, 1, 0, 1, 0, 0, 1}, {0, 1, 2, 0, 2, 3}},
      {"empty", std::string(Quad) + "g nothing drawn\n", MeshEmpty, {}, {}},
  };
  int expectedId = 0;
  for (const UploadCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string out, err;
    const std::string path = std::string(c.name) + ".obj";
    dir_.WriteFile(path, c.text);
    ASSERT_EQ(LoadPath(path.c_str(), &out, &err), expectedId);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    ASSERT_EQ(manager_.meshByName.count(path), 1u);
    EXPECT_EQ(manager_.meshByName[path], manager_.MeshById(expectedId));
    ASSERT_NE(manager_.MeshById(expectedId), nullptr);
    ExpectUploaded(c, *manager_.MeshById(expectedId));
    ++expectedId;
  }
}

TEST_F(ObjLoaderTest, LeavesNoVertexArrayBound) {
  ASSERT_EQ(Load(std::string(Quad) + "f 1 2 3\n"), 0);
  GLint boundArray = -1;
  glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &boundArray);
  EXPECT_EQ(boundArray, 0);
}

TEST_F(ObjLoaderTest, RefusedFileGivesItsLineAndNoMesh) {
  const char* const refused[] = {
      "v 0 0\nf 1 1 1\n",
      "v 0 0 0\nf 1 1 2\n",
      "v 0 0 0\nvt 0 0\nf 1/2 1/1 1/1\n",
      "v 0 0 0\nf 0 1 1\n",
      "v 0 0 x\n",
  };
  for (const char* text : refused) {
    SCOPED_TRACE(text);
    std::string out, err;
    EXPECT_EQ(Load(text, &out, &err), -1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "** Imposible crear Mesh: mesh.obj\n");
  }
  EXPECT_TRUE(manager_.meshes.empty());
  EXPECT_TRUE(manager_.meshByName.empty());
  EXPECT_EQ(manager_.nextFreeMesh, 0);
}

TEST_F(ObjLoaderTest, MissingFileGivesBothLinesAndNoMesh) {
  std::string out, err;
  EXPECT_EQ(LoadPath("Assets/none.obj", &out, &err), -1);
  EXPECT_EQ(out, "Error with open mode: r - File : Assets/none.obj\n");
  EXPECT_EQ(err, "** Imposible crear Mesh: Assets/none.obj\n");
  EXPECT_TRUE(manager_.meshes.empty());
  EXPECT_TRUE(manager_.meshByName.empty());
}

}  // namespace
