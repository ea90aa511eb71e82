// The registry: ids in creation order, de-duplication by exact name, lookups, the factory, its lines.
#include <gtest/gtest.h>

#include "resources/resource_fixture.h"
#include "resources/shader_effect.h"
#include "support/console_capture.h"

namespace {

using brisa_test::ConsoleCapture;
using brisa_test::EncodePng;

class ResourceManagerTest : public brisa_test::ResourceTest {
 protected:
  void WriteImage(const std::string& path) {
    work.WriteFile(path, EncodePng(2, 2, 4, std::vector<uint8_t>(16, 0x80)));
  }
  void WriteFlatShader(const std::string& name) {
    brisa_test::WriteShaderPair(work, name, brisa_test::AllUniformsVertex,
                                brisa_test::AllUniformsFragment);
  }
};

TEST(ResourceManagerCreation, StartsEmptyAndIsMadeOnce) {
  ResourceManager fresh;
  EXPECT_EQ(fresh.filterLinear, 0);
  EXPECT_TRUE(fresh.textures.empty() && fresh.shaders.empty() && fresh.meshes.empty());
  EXPECT_TRUE(fresh.textureByName.empty() && fresh.shaderByName.empty() && fresh.meshByName.empty());
  EXPECT_EQ(fresh.nextFreeTexture + fresh.nextFreeShader + fresh.nextFreeMesh, 0);

  ResourceManager* saved = gResourceManager;
  gResourceManager = nullptr;
  ResourceManager* first = CreateResourceManager();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(gResourceManager, first);
  gResourceManager = nullptr;
  EXPECT_EQ(CreateResourceManager(), first);
  EXPECT_EQ(gResourceManager, first);
  gResourceManager = saved;
}

TEST(ResourceManagerLookup, IdsOutsideTheVectorYieldNothing) {
  ResourceManager manager;
  EXPECT_EQ(manager.TextureById(0), nullptr);
  EXPECT_EQ(manager.ShaderById(0), nullptr);
  EXPECT_EQ(manager.MeshById(0), nullptr);

  Mesh a, b;
  EXPECT_EQ(manager.RegisterMesh("a", &a), 0);
  EXPECT_EQ(manager.RegisterMesh("b", &b), 1);
  struct Case {
    int id;
    Mesh* expected;
  };
  for (const Case& c : {Case{-1, nullptr}, Case{-7, nullptr}, Case{0, &a}, Case{1, &b},
                        Case{2, nullptr}, Case{1 << 30, nullptr}}) {
    EXPECT_EQ(manager.MeshById(c.id), c.expected) << "id " << c.id;
  }
}

TEST(ResourceManagerRegistration, KeepsTheFirstObjectOfANameButGivesEveryObjectAnId) {
  ResourceManager manager;
  Texture first, second;
  EXPECT_EQ(manager.RegisterTexture("same", &first), 0);
  EXPECT_EQ(manager.RegisterTexture("same", &second), 1);
  EXPECT_EQ(manager.textureByName.at("same"), &first);
  EXPECT_EQ(manager.TextureById(1), &second);
  EXPECT_EQ(manager.nextFreeTexture, 2);
  // The id entry belongs to the get-or-load step, not to registration.
  EXPECT_TRUE(manager.textureIdByName.empty());
}

TEST_F(ResourceManagerTest, ImageAndRenderTexturesShareOneIdSequence) {
  WriteImage("a.png");
  WriteImage("A.png");
  EXPECT_EQ(manager.CreateRenderTexture("target", 4, 4, false), 0);
  EXPECT_EQ(manager.GetTexture("a.png"), 1);
  EXPECT_EQ(manager.CreateRenderTexture("second target", 4, 4, true), 2);
  // Names are exact bytes: case and a leading "./" make other textures.
  EXPECT_EQ(manager.GetTexture("A.png"), 3);
  EXPECT_EQ(manager.GetTexture("./a.png"), 4);
  EXPECT_EQ(manager.GetTexture("a.png"), 1);
  EXPECT_EQ(manager.textures.size(), 5u);
  EXPECT_NE(manager.TextureById(1)->texture, manager.TextureById(4)->texture);
}

TEST_F(ResourceManagerTest, SecondTextureRequestAnswersQuietlyWithTheSameTexture) {
  WriteImage("pic.png");
  ConsoleCapture console;
  const int id = manager.GetTexture("pic.png");
  EXPECT_EQ(console.Stdout(false), "Adding Texture Graphic pic.png (first request)\n");
  EXPECT_EQ(manager.GetTexture("pic.png"), id);
  EXPECT_EQ(id, 0);
  EXPECT_EQ(console.Stdout(false), "Adding Texture Graphic pic.png (first request)\n");
  EXPECT_EQ(console.Stderr(false), "");
  EXPECT_EQ(manager.textures.size(), 1u);
  EXPECT_EQ(manager.textureIdByName.at("pic.png"), 0);
}

TEST_F(ResourceManagerTest, RenderTextureNameAnswersWithoutLoadingAFile) {
  const int id = manager.CreateRenderTexture("Screenshot", 8, 8, false);
  ConsoleCapture console;
  EXPECT_EQ(manager.GetTexture("Screenshot"), id);
  EXPECT_EQ(console.Stdout(false), "");
  EXPECT_EQ(console.Stderr(false), "");
}

TEST_F(ResourceManagerTest, FailedTextureIsReportedAndTriedAgainOnTheNextRequest) {
  ConsoleCapture console;
  const std::string out =
      "Adding Texture Graphic gone.png (first request)\nFailed to load gone.png on the ID map\n";
  const std::string err = "Error when loading image: gone.png: stbi_load ERROR.\n";
  EXPECT_EQ(manager.GetTexture("gone.png"), -1);
  EXPECT_EQ(console.Stdout(false), out);
  EXPECT_EQ(console.Stderr(false), err);
  EXPECT_EQ(manager.GetTexture("gone.png"), -1);
  EXPECT_EQ(console.Stdout(false), out + out);
  EXPECT_EQ(console.Stderr(false), err + err);
  EXPECT_TRUE(manager.textures.empty());
  EXPECT_TRUE(manager.textureByName.empty());
  EXPECT_TRUE(manager.textureIdByName.empty());
  EXPECT_EQ(manager.nextFreeTexture, 0);

  WriteImage("gone.png");
  EXPECT_EQ(manager.GetTexture("gone.png"), 0);
}

TEST_F(ResourceManagerTest, NameWithoutIdEntryIsFoundInTheVector) {
  Texture stray, listed;
  manager.RegisterTexture("listed", &listed);
  manager.RegisterTexture("stray", &stray);
  Texture unlisted;
  manager.textureByName.emplace("unlisted", &unlisted);
  ConsoleCapture console;
  EXPECT_EQ(manager.GetTexture("stray"), 1);
  EXPECT_EQ(manager.GetTexture("unlisted"), -1);
  EXPECT_EQ(console.Stdout(false),
            "Failed to find stray on the ID map\nFailed to find unlisted on the ID map\n");
  EXPECT_EQ(console.Stderr(false), "");
}

TEST_F(ResourceManagerTest, ShaderIsMadeOnceWhateverTypeALaterRequestNames) {
  WriteFlatShader("flat");
  ConsoleCapture console;
  const int id = manager.GetShader("flat", ShaderTypeColor);
  EXPECT_EQ(id, 0);
  EXPECT_EQ(manager.GetShader("flat", ShaderTypeEffect), id);
  EXPECT_EQ(console.Stdout(false), "Adding Shader: flat (first request)\n");
  EXPECT_EQ(console.Stderr(false), "");
  ASSERT_EQ(manager.shaders.size(), 1u);
  EXPECT_NE(dynamic_cast<ShaderColor*>(manager.ShaderById(id)), nullptr);
  EXPECT_EQ(manager.shaderIdByName.at("flat"), id);
}

TEST_F(ResourceManagerTest, ShaderIdsFollowCreationOrder) {
  WriteFlatShader("one");
  WriteFlatShader("two");
  WriteFlatShader("three");
  ConsoleCapture console;
  EXPECT_EQ(manager.GetShader("one", ShaderTypeTexture), 0);
  EXPECT_EQ(manager.GetShader("missing", ShaderTypeTexture), -1);
  EXPECT_EQ(manager.GetShader("two", ShaderTypeTexture3D), 1);
  EXPECT_EQ(manager.GetShader("three", ShaderTypePlaneMusic), 2);
  EXPECT_NE(dynamic_cast<ShaderTexture*>(manager.ShaderById(0)), nullptr);
  EXPECT_NE(dynamic_cast<ShaderTexture3D*>(manager.ShaderById(1)), nullptr);
  EXPECT_NE(dynamic_cast<ShaderPlaneMusic*>(manager.ShaderById(2)), nullptr);
}

TEST_F(ResourceManagerTest, TypeWithoutAClassIsRefused) {
  WriteFlatShader("flat");
  for (uint32_t type : {2u, 3u, 4u, 6u, 7u, 10u, 11u, 0xffffffffu}) {
    ConsoleCapture console;
    EXPECT_EQ(manager.GetShader("flat", static_cast<ShaderType>(type)), -1) << "type " << type;
    EXPECT_EQ(console.Stdout(false), "Adding Shader: flat (first request)\n");
    EXPECT_EQ(console.Stderr(false), "** Imposible crear Shader: flat\n");
  }
  EXPECT_TRUE(manager.shaders.empty());
  EXPECT_TRUE(manager.shaderByName.empty());
  EXPECT_EQ(manager.nextFreeShader, 0);
}

TEST_F(ResourceManagerTest, ShaderThatDoesNotBuildIsReportedAndNotKept) {
  work.WriteFile("Assets/Shaders/halfway.fragment", brisa_test::AllUniformsFragment);
  brisa_test::WriteShaderPair(work, "broken", "#version 330 core\nvoid main() { oops }\n",
                              brisa_test::AllUniformsFragment);
  for (ShaderType type : {ShaderTypeColor, ShaderTypeEffect}) {
    for (const char* name : {"halfway", "broken"}) {
      ConsoleCapture console;
      EXPECT_EQ(manager.GetShader(name, type), -1) << name;
      EXPECT_EQ(console.Stdout(false), std::string("Adding Shader: ") + name + " (first request)\n");
      EXPECT_EQ(console.Stderr(false), std::string("** Errores de compilacion del  Shader: ") + name + "\n");
    }
  }
  EXPECT_TRUE(manager.shaders.empty());
  EXPECT_TRUE(manager.shaderByName.empty());
  EXPECT_TRUE(manager.shaderIdByName.empty());
  EXPECT_EQ(manager.nextFreeShader, 0);
}

TEST_F(ResourceManagerTest, MeshRequestsGoThroughTheLoaderOnceAndKnownNamesAnswerQuietly) {
  Mesh known;
  manager.meshIdByName.emplace("known.obj", manager.RegisterMesh("known.obj", &known));
  ConsoleCapture console;
  EXPECT_EQ(manager.GetMesh("known.obj"), 0);
  EXPECT_EQ(console.Stdout(false), "");
  EXPECT_EQ(manager.GetMesh("absent.obj"), -1);
  EXPECT_EQ(console.Stdout(false).rfind("Adding Mesh: absent.obj (first request)\n", 0), 0u);
  EXPECT_EQ(manager.meshes.size(), 1u);
  EXPECT_EQ(manager.meshByName.count("absent.obj"), 0u);
  EXPECT_EQ(manager.meshIdByName.count("absent.obj"), 0u);
}

TEST_F(ResourceManagerTest, SecondMeshRequestAnswersQuietlyWithTheSameMesh) {
  work.WriteFile("Assets/quad.obj", "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nf 1 2 3\nf 1 3 4\n");
  int first = -1;
  int second = -1;
  std::string out;
  std::string err;
  {
    // Closed before the checks, so a failure's message reaches the terminal.
    ConsoleCapture console;
    first = manager.GetMesh("Assets/quad.obj");
    second = manager.GetMesh("Assets/quad.obj");
    out = console.Stdout(false);
    err = console.Stderr(false);
  }
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, first);
  EXPECT_EQ(out, "Adding Mesh: Assets/quad.obj (first request)\n");
  EXPECT_EQ(err, "");
  EXPECT_EQ(manager.meshes.size(), 1u);
  EXPECT_EQ(manager.meshIdByName, (std::map<std::string, int>{{"Assets/quad.obj", first}}));
}

}  // namespace
