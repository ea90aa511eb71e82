// The OBJ parser: records, corners, draw mode, textured de-duplication and every refused file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/obj_parser.h"
#include "support/console_capture.h"
#include "support/unreadable_file.h"
#include "support/work_dir.h"

namespace {

using brisa_test::ScopedWorkDir;

// Parses `text` from a file and from memory; the two entries must agree.
ObjParseStatus ParseBoth(const std::string& text, ObjMeshData& mesh) {
  ScopedWorkDir dir;
  dir.WriteFile("mesh.obj", text);
  ObjParseStatus fromFile = ParseObjFile("mesh.obj", mesh);
  ObjMeshData inMemory;
  ObjParseStatus fromText = ParseObjText(text, inMemory);
  EXPECT_EQ(fromText, fromFile);
  if (fromFile == ObjParseStatus::Ok) {
    EXPECT_EQ(inMemory.mode, mesh.mode);
    EXPECT_EQ(inMemory.vertexData, mesh.vertexData);
    EXPECT_EQ(inMemory.indices, mesh.indices);
  }
  return fromFile;
}

const char* const Triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
const std::vector<float> TrianglePositions = {0, 0, 0, 1, 0, 0, 0, 1, 0};

struct MeshCase {
  const char* name;
  std::string text;
  MeshMode mode;
  std::vector<float> vertexData;
  std::vector<uint32_t> indices;
};

void ExpectMeshes(const std::vector<MeshCase>& cases) {
  for (const MeshCase& c : cases) {
    SCOPED_TRACE(c.name);
    ObjMeshData mesh;
    ASSERT_EQ(ParseBoth(c.text, mesh), ObjParseStatus::Ok);
    EXPECT_EQ(mesh.mode, c.mode);
    EXPECT_EQ(mesh.vertexData, c.vertexData);
    EXPECT_EQ(mesh.indices, c.indices);
  }
}

TEST(ObjParser, ReadsLinesWhateverTheirEnding) {
  ExpectMeshes({
      {"LF", std::string(Triangle) + "f 1 2 3\n", MeshTriangles, TrianglePositions, {0, 1, 2}},
      // The blank before the CR is a single trailing blank only once the CR is gone.
      {"CR LF", "v 0 0 0 \r\nv 1 0 0 \r\nv 0 1 0 \r\nf 1 2 3 \r\n", MeshTriangles, TrianglePositions, {0, 1, 2}},
      {"no final line feed", std::string(Triangle) + "f 1 2 3", MeshTriangles, TrianglePositions, {0, 1, 2}},
      {"single trailing blank", "v 0 0 0 \nv 1 0 0\nv 0 1 0\nf 1 2 3 \n", MeshTriangles, TrianglePositions,
       {0, 1, 2}},
  });
}

// OBJ's optional w (and vertex colours after x y z) must not shift the vertices that follow.
TEST(ObjParser, DropsNumbersPastTheOnesAVertexHolds) {
  ExpectMeshes({
      {"v with w", "v 0 0 0 1\nv 1 0 0 1\nv 0 1 0 1\nf 1 2 3\n", MeshTriangles, TrianglePositions, {0, 1, 2}},
      {"v with a colour", "v 0 0 0 1 0.5 0\nv 1 0 0 1 0.5 0\nv 0 1 0 1 0.5 0\nf 1 2 3\n", MeshTriangles,
       TrianglePositions, {0, 1, 2}},
      {"vt with w", std::string(Triangle) + "vt 0.25 0.75 0\nvt 1 1 0\nf 1/1 2/2 3/1\n", MeshTextured,
       {0, 0, 0, 0.25f, 0.75f, 1, 0, 0, 1, 1, 0, 1, 0, 0.25f, 0.75f}, {0, 1, 2}},
  });
}

TEST(ObjParser, SkipsCommentsBlankLedLinesAndOtherRecords) {
  const std::string text =
      "# a comment with v 9 9 9\n"
      "\n"
      " v 9 9 9\n"
      "V 9 9 9\n"
      "o object\ns 1\nusemtl stone\nmtllib a.mtl\ng\ng body\n"
      "\tv 9 9 9\n" +
      std::string(Triangle) + "vn 0 0 1\nvn 0 0\nf 1 2 3\n";
  ExpectMeshes({{"mixed records", text, MeshTriangles, TrianglePositions, {0, 1, 2}}});
}

TEST(ObjParser, TakesCornersAndSegmentsAsWritten) {
  const std::string quad = std::string(Triangle) + "v 1 1 0\n";
  const std::vector<float> quadPositions = {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0};
  ExpectMeshes({
      {"v//vn corners", std::string(Triangle) + "vn 0 0 1\nf 1//1 2//1 3//1\n", MeshTriangles, TrianglePositions,
       {0, 1, 2}},
      {"v/ corners", std::string(Triangle) + "f 1/ 2/ 3/\n", MeshTriangles, TrianglePositions, {0, 1, 2}},
      {"four corners are not split", quad + "f 1 2 4 3\n", MeshTriangles, quadPositions, {0, 1, 3, 2}},
      {"l with four numbers", quad + "l 1 2 3 4\n", MeshLines, quadPositions, {0, 1, 1, 2, 2, 3}},
      {"l with one number", quad + "l 2\n", MeshLines, quadPositions, {}},
      {"l in corner form", quad + "l 4/2 1/3\n", MeshLines, quadPositions, {3, 0}},
      {"face named before its vertices", "f 3 2 1\n" + std::string(Triangle), MeshTriangles, TrianglePositions,
       {2, 1, 0}},
  });
}

TEST(ObjParser, LastLineOrFaceRecordDecidesTheModeAndTextureCoordinatesOverrideIt) {
  ExpectMeshes({
      {"empty file", "", MeshEmpty, {}, {}},
      {"comments only", "# nothing\n", MeshEmpty, {}, {}},
      {"vertices only", Triangle, MeshEmpty, {}, {}},
      {"faces then a line", std::string(Triangle) + "f 1 2 3\nl 1 2\n", MeshLines, TrianglePositions,
       {0, 1, 2, 0, 1}},
      {"a line then faces", std::string(Triangle) + "l 1 2\nf 1 2 3\n", MeshTriangles, TrianglePositions,
       {0, 1, 0, 1, 2}},
      {"empty face record", std::string(Triangle) + "f\n", MeshTriangles, TrianglePositions, {}},
      {"v/vt corners without vt records", std::string(Triangle) + "f 1/1 2/1 3/1\n", MeshTriangles,
       TrianglePositions, {}},
      {"v//vn corners in a file with vt", std::string(Triangle) + "vt 0 0\nf 1//1 2//1 3//1\n", MeshTextured, {},
       {}},
      {"textured drops segments and plain corners", std::string(Triangle) + "vt 0.5 1\nl 1 2\nf 1 2/1 3\n",
       MeshTextured, {1, 0, 0, 0.5f, 1}, {0}},
  });
}

TEST(ObjParser, SharesTexturedVerticesByValue) {
  const std::string fourDistinct =
      "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
      "f 1/1 2/2 3/3\nf 1/1 3/3 4/4\n";
  // Vertices 1 and 2 hold equal values; vertex 3 differs.
  const std::string equalPositions =
      "v 1 2 3\nv 1 2 3\nv 4 5 6\nvt 0.25 0.75\n"
      "f 1/1 2/1 3/1\nf 2/1 3/1 1/1\n";
  ExpectMeshes({
      {"distinct corners", fourDistinct, MeshTextured,
       {0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1, 1, 0, 1, 1, 0, 1, 0, 0, 1},
       {0, 1, 2, 0, 2, 3}},
      {"a repeated corner takes the first equal vertex", equalPositions, MeshTextured,
       {1, 2, 3, 0.25f, 0.75f, 1, 2, 3, 0.25f, 0.75f, 4, 5, 6, 0.25f, 0.75f},
       {0, 1, 2, 0, 2, 0}},
      {"negative zero equals zero", "v 0 0 0\nv -0 0 0\nvt 0 0\nf 1/1 2/1 2/1\n", MeshTextured,
       {0, 0, 0, 0, 0, -0.0f, 0, 0, 0, 0}, {0, 1, 0}},
  });
}

TEST(ObjParser, ReadsTheNumberAtTheStartOfEachToken) {
  struct NumberCase {
    const char* token;
    float value;
  };
  const NumberCase cases[] = {
      {"12abc", 12.0f}, {"+1.5", 1.5f},   {"-.5e1", -5.0f}, {"5.", 5.0f},     {"1e", 1.0f},
      {"1e+", 1.0f},    {"2E2", 200.0f},  {"0x10", 0.0f},   {"\t7", 7.0f},    {"3.25/1", 3.25f},
      {"1e-60", 0.0f},  {"-0.125", -0.125f},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.token);
    ObjMeshData mesh;
    ASSERT_EQ(ParseBoth(std::string("v ") + c.token + " 0 0\nf 1 1 1\n", mesh), ObjParseStatus::Ok);
    ASSERT_EQ(mesh.vertexData.size(), 3u);
    EXPECT_EQ(mesh.vertexData[0], c.value);
  }
  ObjMeshData mesh;
  ASSERT_EQ(ParseBoth(std::string(Triangle) + "f 3.7 2abc +1\n", mesh), ObjParseStatus::Ok);
  EXPECT_EQ(mesh.indices, (std::vector<uint32_t>{2, 1, 0}));
}

TEST(ObjParser, RefusesFilesThatWouldReadOutsideTheirLists) {
  struct RefusedCase {
    const char* name;
    std::string text;
    ObjParseStatus status;
  };
  const std::string t = Triangle;
  const RefusedCase cases[] = {
      {"two blanks between numbers", "v 1  2 3\n", ObjParseStatus::MalformedNumber},
      {"two trailing blanks", "v 1 2 3  \n", ObjParseStatus::MalformedNumber},
      {"comment after the numbers", "v 1 2 3 # c\n", ObjParseStatus::MalformedNumber},
      {"word for a number", "v one 2 3\n", ObjParseStatus::MalformedNumber},
      {"infinity", "v inf 2 3\n", ObjParseStatus::MalformedNumber},
      {"not a number", "v nan 2 3\n", ObjParseStatus::MalformedNumber},
      {"float overflow", "v 1e39 2 3\n", ObjParseStatus::MalformedNumber},
      {"bare sign", "v - 2 3\n", ObjParseStatus::MalformedNumber},
      {"bare point", "v . 2 3\n", ObjParseStatus::MalformedNumber},
      {"malformed vt", "vt 0.5 x\n", ObjParseStatus::MalformedNumber},
      {"malformed vn", "vn 0 0 z\n", ObjParseStatus::MalformedNumber},
      {"v with two numbers", "v 1 2\n", ObjParseStatus::BadValueCount},
      {"v with none", "v\n", ObjParseStatus::BadValueCount},
      {"vt with one number", t + "vt 0.5\nf 1/1 2/1 3/1\n", ObjParseStatus::BadValueCount},
      {"malformed optional w", "v 1 2 3 w\n", ObjParseStatus::MalformedNumber},
      {"face index 0", t + "f 0 1 2\n", ObjParseStatus::IndexOutOfRange},
      {"relative face indices", t + "f -1 -2 -3\n", ObjParseStatus::IndexOutOfRange},
      {"face index past the end", t + "f 1 2 4\n", ObjParseStatus::IndexOutOfRange},
      {"segment end past the end", t + "l 1 4\n", ObjParseStatus::IndexOutOfRange},
      {"segment end 0", t + "l 1 0\n", ObjParseStatus::IndexOutOfRange},
      {"lone segment end 0", t + "l 0\n", ObjParseStatus::IndexOutOfRange},
      {"plain corner past the end after a segment", t + "l 1 2\nf 1 2 9\n", ObjParseStatus::IndexOutOfRange},
      {"texture index past the end", t + "vt 0 0\nf 1/1 2/2 3/1\n", ObjParseStatus::IndexOutOfRange},
      {"texture index 0", t + "vt 0 0\nf 1/0 2/1 3/1\n", ObjParseStatus::IndexOutOfRange},
      {"textured position past the end", t + "vt 0 0\nf 1/1 2/1 4/1\n", ObjParseStatus::IndexOutOfRange},
      {"index past 32 bits", t + "f 1 2 2147483648\n", ObjParseStatus::MalformedNumber},
      {"index far past 32 bits", t + "l 1 99999999999999999999\n", ObjParseStatus::MalformedNumber},
      {"empty corner", t + "f 1 2 3  \n", ObjParseStatus::MalformedNumber},
      // Without a line feed the CR stays: it is a corner of its own, not the end of a CR LF.
      {"blank and CR ending the file", t + "f 1 2 3 \r", ObjParseStatus::MalformedNumber},
      {"corner without position", t + "f /1 2 3\n", ObjParseStatus::MalformedNumber},
      {"malformed texture number", t + "vt 0 0\nf 1/x 2/1 3/1\n", ObjParseStatus::MalformedNumber},
      {"malformed segment end", t + "l 1 b\n", ObjParseStatus::MalformedNumber},
  };
  for (const RefusedCase& c : cases) {
    SCOPED_TRACE(c.name);
    ObjMeshData mesh;
    mesh.mode = MeshLines;
    mesh.vertexData = {7.0f};
    mesh.indices = {9};
    EXPECT_EQ(ParseBoth(c.text, mesh), c.status);
    EXPECT_EQ(mesh.mode, MeshLines);
    EXPECT_EQ(mesh.vertexData, std::vector<float>{7.0f});
    EXPECT_EQ(mesh.indices, std::vector<uint32_t>{9});
  }
}

TEST(ObjParser, LargestThirtyTwoBitIndexIsOutOfRangeNotMalformed) {
  ObjMeshData mesh;
  EXPECT_EQ(ParseBoth(std::string(Triangle) + "f 1 2 2147483647\n", mesh), ObjParseStatus::IndexOutOfRange);
}

TEST(ObjParser, ReportsFilesThatCannotBeRead) {
  ScopedWorkDir dir;
  const brisa_test::UnreadableFile unreadable("unreadable.obj");
  ObjMeshData mesh;
  ObjParseStatus missing = ObjParseStatus::Ok;
  std::string console;
  {
    brisa_test::ConsoleCapture capture;
    missing = ParseObjFile("missing.obj", mesh);
    console = capture.Stdout();
  }
  EXPECT_EQ(missing, ObjParseStatus::CannotOpen);
  EXPECT_EQ(console, "Error with open mode: r - File : missing.obj\n");
  EXPECT_EQ(ParseObjFile(unreadable.path().c_str(), mesh), ObjParseStatus::ReadError);
}

}  // namespace
