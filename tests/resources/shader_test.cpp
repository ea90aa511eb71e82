// Shader programs: each kind's location table, missing and empty sources, raw bytes, one load only.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "resources/resource_fixture.h"
#include "resources/shader_effect.h"

namespace {

using brisa_test::AllUniformsFragment;
using brisa_test::AllUniformsVertex;
using brisa_test::WriteShaderPair;

class ShaderTest : public brisa_test::ResourceTest {};

const char* const UniformNames[UniformCount] = {"model", "view", "projection", "color", "colorAdd",
                                                "textura", "flip", "texClamp", nullptr, nullptr,
                                                nullptr, "heightmap", "factorMap"};

GLint LinkStatus(GLuint program) {
  GLint status = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &status);
  return status;
}

TEST_F(ShaderTest, EachKindLooksUpOnlyItsOwnUniforms) {
  struct Case {
    const char* kind;
    std::unique_ptr<Shader> shader;
    std::set<int> filled;
  };
  Case cases[] = {
      {"color", std::make_unique<ShaderColor>(), {0, 1, 2, 3}},
      {"texture", std::make_unique<ShaderTexture>(), {0, 1, 2, 3, 4, 5, 6, 7}},
      {"texture3d", std::make_unique<ShaderTexture3D>(), {0, 1, 2, 3, 4, 5, 6}},
      {"plane", std::make_unique<ShaderPlaneMusic>(), {0, 1, 2, 3, 11, 12}},
  };
  WriteShaderPair(work, "every", AllUniformsVertex, AllUniformsFragment);
  for (Case& c : cases) {
    Shader& shader = *c.shader;
    shader.Load("every");
    ASSERT_TRUE(shader.loaded) << c.kind;
    EXPECT_EQ(shader.name, "every");
    EXPECT_EQ(LinkStatus(shader.program), GL_TRUE);
    EXPECT_EQ(brisa_test::GetInteger(GL_CURRENT_PROGRAM), 0);
    ASSERT_EQ(shader.locations.size(), static_cast<size_t>(UniformCount));
    EXPECT_EQ(shader.uniformMap.size(), c.filled.size()) << c.kind;
    for (int i = 0; i < UniformCount; ++i) {
      if (c.filled.count(i) == 0) {
        EXPECT_EQ(shader.locations[i], -1) << c.kind << " entry " << i;
        continue;
      }
      const GLint expected = glGetUniformLocation(shader.program, UniformNames[i]);
      EXPECT_NE(expected, -1);
      EXPECT_EQ(shader.locations[i], expected) << c.kind << " entry " << i;
      EXPECT_EQ(shader.uniformMap.at(UniformNames[i]), expected) << c.kind << " entry " << i;
    }
  }
}

TEST_F(ShaderTest, UniformTheProgramLacksIsMinusOne) {
  WriteShaderPair(work, "plain", "#version 330 core\nlayout(location = 0) in vec3 position;\n"
                                 "void main() { gl_Position = vec4(position, 1.0); }\n",
                  "#version 330 core\nuniform vec4 color;\nout vec4 fragColor;\n"
                  "void main() { fragColor = color; }\n");
  ShaderColor shader;
  shader.Load("plain");
  ASSERT_TRUE(shader.loaded);
  EXPECT_EQ(shader.locations[UniformModel], -1);
  EXPECT_EQ(shader.uniformMap.at("model"), -1);
  EXPECT_NE(shader.locations[UniformColor], -1);
}

// The draws upload through UniformLocation: past the end of a table it must name no uniform, since
// location 0 would be a real one.
TEST_F(ShaderTest, UniformLocationReadsTheTableAndNamesNoUniformPastItsEnd) {
  WriteShaderPair(work, "every", AllUniformsVertex, AllUniformsFragment);
  ShaderPlaneMusic loaded;
  loaded.Load("every");
  ASSERT_TRUE(loaded.loaded);
  for (int i = 0; i < UniformCount; ++i) {
    EXPECT_EQ(UniformLocation(loaded, static_cast<UniformIndex>(i)), loaded.locations[i]) << "entry " << i;
  }
  ShaderColor unloaded;
  ShaderPlaneMusic cutShort;
  cutShort.locations = {0, 1, 2, 3};
  for (int i = 0; i < UniformCount; ++i) {
    EXPECT_EQ(UniformLocation(unloaded, static_cast<UniformIndex>(i)), -1) << "entry " << i;
  }
  EXPECT_EQ(UniformLocation(cutShort, UniformColor), 3);
  EXPECT_EQ(UniformLocation(cutShort, UniformHeightmap), -1);
}

TEST_F(ShaderTest, MissingSourceCreatesNoGlObject) {
  work.WriteFile("Assets/Shaders/onlyvertex.vertex", AllUniformsVertex);
  work.WriteFile("Assets/Shaders/onlyfragment.fragment", AllUniformsFragment);
  // A folder of the source's name does not count as a readable file.
  work.WriteFile("Assets/Shaders/folder.vertex/inside", "x");
  work.WriteFile("Assets/Shaders/folder.fragment", AllUniformsFragment);
  for (const char* name : {"onlyvertex", "onlyfragment", "folder", "nothing"}) {
    ShaderTexture shader;
    shader.Load(name);
    EXPECT_FALSE(shader.loaded) << name;
    EXPECT_EQ(shader.program, 0u) << name;
    EXPECT_TRUE(shader.locations.empty());
    EXPECT_TRUE(shader.uniformMap.empty());
    EXPECT_EQ(shader.name, "");
  }
}

TEST_F(ShaderTest, EmptyOrBrokenSourceLeavesAnUnlinkedProgram) {
  WriteShaderPair(work, "emptyvertex", "", AllUniformsFragment);
  WriteShaderPair(work, "emptyfragment", AllUniformsVertex, "");
  WriteShaderPair(work, "broken", AllUniformsVertex, "#version 330 core\nvoid main() { 1 + ; }\n");
  for (const char* name : {"emptyvertex", "emptyfragment", "broken"}) {
    ShaderColor shader;
    shader.Load(name);
    EXPECT_FALSE(shader.loaded) << name;
    ASSERT_NE(shader.program, 0u) << name;
    EXPECT_TRUE(glIsProgram(shader.program));
    EXPECT_EQ(LinkStatus(shader.program), GL_FALSE) << name;
    EXPECT_TRUE(shader.locations.empty());
    EXPECT_EQ(shader.name, "");
  }
}

TEST_F(ShaderTest, SourcesReachTheCompilerByteForByte) {
  const std::string vertex =
      "#version 330 core\r\nlayout(location = 0) in vec3 position;\r\nuniform mat4 model;\r\n"
      "void main() {\r\n  gl_Position = model * vec4(position, 1.0);\r\n}\r\n";
  const std::string fragment =
      "#version 330 core\r\nout vec4 fragColor;\r\nvoid main() { fragColor = vec4(1.0); }";
  WriteShaderPair(work, "crlf", vertex, fragment);
  ShaderColor shader;
  shader.Load("crlf");
  ASSERT_TRUE(shader.loaded);
  GLuint attached[2] = {0, 0};
  GLsizei count = 0;
  glGetAttachedShaders(shader.program, 2, &count, attached);
  ASSERT_EQ(count, 2);
  std::set<std::string> sources;
  for (GLuint object : attached) {
    GLint deleteStatus = GL_FALSE;
    glGetShaderiv(object, GL_DELETE_STATUS, &deleteStatus);
    EXPECT_EQ(deleteStatus, GL_TRUE);
    std::string text(4096, '\0');
    GLsizei length = 0;
    glGetShaderSource(object, static_cast<GLsizei>(text.size()), &length, text.data());
    sources.insert(text.substr(0, static_cast<size_t>(length)));
  }
  EXPECT_EQ(sources, (std::set<std::string>{vertex, fragment}));
}

TEST_F(ShaderTest, SecondLoadReadsNothingAndChangesNothing) {
  WriteShaderPair(work, "first", AllUniformsVertex, AllUniformsFragment);
  ShaderTexture shader;
  shader.Load("first");
  ASSERT_TRUE(shader.loaded);
  const GLuint program = shader.program;
  const std::vector<int32_t> locations = shader.locations;
  std::filesystem::remove_all("Assets");
  WriteShaderPair(work, "second", "broken", "broken");
  shader.Load("second");
  shader.Load("first");
  EXPECT_TRUE(shader.loaded);
  EXPECT_EQ(shader.program, program);
  EXPECT_EQ(shader.locations, locations);
  EXPECT_EQ(shader.name, "first");
}

TEST_F(ShaderTest, EffectKeepsItsLocationsOutOfTheTable) {
  WriteShaderPair(work, "every", AllUniformsVertex, AllUniformsFragment);
  ShaderEffect effect;
  effect.Load("every");
  ASSERT_TRUE(effect.loaded);
  EXPECT_EQ(effect.locations, std::vector<int32_t>(UniformCount, -1));
  EXPECT_TRUE(effect.uniformMap.empty());
}

}  // namespace
