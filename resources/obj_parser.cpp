// The OBJ subset (v, vt, vn, g, l, f): number reading, the working lists and textured vertex building.
#include "resources/obj_parser.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "resources/file_reader.h"
#include "resources/split_string.h"

namespace {

constexpr std::size_t PositionValueCount = 3;
constexpr std::size_t TexCoordValueCount = 2;
constexpr std::size_t TexturedVertexValueCount = PositionValueCount + TexCoordValueCount;

struct Corner {
  int32_t position;
  int32_t texture;
};

// The lists of one load, in file order; indices are already zero-based.
struct ObjLists {
  MeshMode mode = MeshEmpty;
  std::vector<float> positions;
  std::vector<float> texCoords;
  std::vector<float> normals;
  std::vector<int32_t> plainIndices;
  std::vector<Corner> corners;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::size_t SkipSpace(const std::string& token) {
  std::size_t at = 0;
  while (at < token.size() && IsSpace(token[at])) ++at;
  return at;
}

std::size_t SkipDigits(const std::string& token, std::size_t at) {
  while (at < token.size() && IsDigit(token[at])) ++at;
  return at;
}

std::size_t SkipSign(const std::string& token, std::size_t at) {
  return at < token.size() && (token[at] == '+' || token[at] == '-') ? at + 1 : at;
}

// End of the decimal floating-point number starting at `start`, or `start` when there is none.
// Only decimal digits count: "inf", "nan" and hexadecimal forms are not numbers here.
std::size_t FloatPrefixEnd(const std::string& token, std::size_t start) {
  std::size_t at = SkipSign(token, start);
  std::size_t end = SkipDigits(token, at);
  std::size_t digitCount = end - at;
  if (end < token.size() && token[end] == '.') {
    std::size_t fractionEnd = SkipDigits(token, end + 1);
    digitCount += fractionEnd - end - 1;
    end = fractionEnd;
  }
  if (digitCount == 0) return start;
  if (end < token.size() && (token[end] == 'e' || token[end] == 'E')) {
    std::size_t exponentDigits = SkipSign(token, end + 1);
    std::size_t exponentEnd = SkipDigits(token, exponentDigits);
    if (exponentEnd > exponentDigits) end = exponentEnd;
  }
  return end;
}

bool ReadFloat(const std::string& token, float& value) {
  std::size_t start = SkipSpace(token);
  std::size_t end = FloatPrefixEnd(token, start);
  if (end == start) return false;
  std::string number = token.substr(start, end - start);
  errno = 0;
  value = std::strtof(number.c_str(), nullptr);
  // Values too small for a float round towards zero; only overflow loses the number.
  return !(errno == ERANGE && std::isinf(value));
}

// The file's one-based number as a zero-based index.
ObjParseStatus ReadIndex(const std::string& token, int32_t& index) {
  std::size_t start = SkipSpace(token);
  std::size_t digits = SkipSign(token, start);
  std::size_t end = SkipDigits(token, digits);
  if (end == digits) return ObjParseStatus::MalformedNumber;
  int64_t magnitude = 0;
  for (std::size_t at = digits; at < end; ++at) {
    magnitude = magnitude * 10 + (token[at] - '0');
    if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1) return ObjParseStatus::MalformedNumber;
  }
  int64_t number = token[start] == '-' ? -magnitude : magnitude;
  if (number > std::numeric_limits<int32_t>::max()) return ObjParseStatus::MalformedNumber;
  if (number <= 0) return ObjParseStatus::IndexOutOfRange;
  index = static_cast<int32_t>(number - 1);
  return ObjParseStatus::Ok;
}

// Reads every argument as a float and appends the first `keptCount` (all of them when 0). Extra
// numbers, such as OBJ's optional w, are dropped: kept, they would shift every later vertex.
ObjParseStatus ReadValues(const std::vector<std::string>& tokens, std::vector<float>& list, std::size_t keptCount) {
  const std::size_t valueCount = tokens.size() - 1;
  if (valueCount < keptCount) return ObjParseStatus::BadValueCount;
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    float value = 0.0f;
    if (!ReadFloat(tokens[i], value)) return ObjParseStatus::MalformedNumber;
    if (keptCount == 0 || i <= keptCount) list.push_back(value);
  }
  return ObjParseStatus::Ok;
}

// n arguments give the n-1 segments between neighbours.
ObjParseStatus ReadLineRecord(const std::vector<std::string>& tokens, ObjLists& lists) {
  lists.mode = MeshLines;
  std::vector<int32_t> ends;
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    int32_t index = 0;
    ObjParseStatus status = ReadIndex(tokens[i], index);
    if (status != ObjParseStatus::Ok) return status;
    ends.push_back(index);
  }
  for (std::size_t i = 1; i < ends.size(); ++i) {
    lists.plainIndices.push_back(ends[i - 1]);
    lists.plainIndices.push_back(ends[i]);
  }
  return ObjParseStatus::Ok;
}

// A corner with a texture number goes to the corner list, one without it to the plain index list.
ObjParseStatus ReadCorner(const std::string& token, ObjLists& lists) {
  std::vector<std::string> parts = SplitString(token, '/');
  if (parts.empty()) return ObjParseStatus::MalformedNumber;
  Corner corner{0, 0};
  ObjParseStatus status = ReadIndex(parts[0], corner.position);
  if (status != ObjParseStatus::Ok) return status;
  if (parts.size() < 2 || parts[1].empty()) {
    lists.plainIndices.push_back(corner.position);
    return ObjParseStatus::Ok;
  }
  status = ReadIndex(parts[1], corner.texture);
  if (status == ObjParseStatus::Ok) lists.corners.push_back(corner);
  return status;
}

// Faces are taken to be triangles as written: every corner is one index, nothing is split.
ObjParseStatus ReadFaceRecord(const std::vector<std::string>& tokens, ObjLists& lists) {
  lists.mode = MeshTriangles;
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    ObjParseStatus status = ReadCorner(tokens[i], lists);
    if (status != ObjParseStatus::Ok) return status;
  }
  return ObjParseStatus::Ok;
}

ObjParseStatus ParseLine(const std::string& line, ObjLists& lists) {
  if (line.empty() || line[0] == '#') return ObjParseStatus::Ok;
  std::vector<std::string> tokens = SplitString(line, ' ');
  const std::string& keyword = tokens[0];
  if (keyword == "v") return ReadValues(tokens, lists.positions, PositionValueCount);
  if (keyword == "vt") return ReadValues(tokens, lists.texCoords, TexCoordValueCount);
  if (keyword == "vn") return ReadValues(tokens, lists.normals, 0);
  if (keyword == "l") return ReadLineRecord(tokens, lists);
  if (keyword == "f") return ReadFaceRecord(tokens, lists);
  return ObjParseStatus::Ok;
}

bool IndexBelow(int32_t index, std::size_t count) { return static_cast<std::size_t>(index) < count; }

// Only the list the mode draws is checked: the other one never reaches a buffer.
bool IndicesInRange(const ObjLists& lists) {
  std::size_t positionCount = lists.positions.size() / PositionValueCount;
  std::size_t texCoordCount = lists.texCoords.size() / TexCoordValueCount;
  if (lists.mode == MeshTextured) {
    for (const Corner& corner : lists.corners) {
      if (!IndexBelow(corner.position, positionCount) || !IndexBelow(corner.texture, texCoordCount)) return false;
    }
    return true;
  }
  for (int32_t index : lists.plainIndices) {
    if (!IndexBelow(index, positionCount)) return false;
  }
  return true;
}

bool RepeatsEarlierCorner(const std::vector<Corner>& corners, std::size_t k) {
  for (std::size_t earlier = k; earlier-- > 0;) {
    if (corners[earlier].position == corners[k].position && corners[earlier].texture == corners[k].texture) {
      return true;
    }
  }
  return false;
}

// First vertex whose five values compare equal as floats, or -1.
int64_t FindEqualVertex(const std::vector<float>& vertexData, const float* values) {
  for (std::size_t first = 0; first < vertexData.size(); first += TexturedVertexValueCount) {
    std::size_t same = 0;
    while (same < TexturedVertexValueCount && vertexData[first + same] == values[same]) ++same;
    if (same == TexturedVertexValueCount) return static_cast<int64_t>(first / TexturedVertexValueCount);
  }
  return -1;
}

int64_t AppendVertex(std::vector<float>& vertexData, const float* values) {
  vertexData.insert(vertexData.end(), values, values + TexturedVertexValueCount);
  return static_cast<int64_t>(vertexData.size() / TexturedVertexValueCount) - 1;
}

// A repeated corner shares the first vertex holding its values, which may belong to another corner.
void BuildTexturedVertices(const ObjLists& lists, ObjMeshData& mesh) {
  for (std::size_t k = 0; k < lists.corners.size(); ++k) {
    const Corner& corner = lists.corners[k];
    const float* position = &lists.positions[PositionValueCount * static_cast<std::size_t>(corner.position)];
    const float* texCoord = &lists.texCoords[TexCoordValueCount * static_cast<std::size_t>(corner.texture)];
    const float values[TexturedVertexValueCount] = {position[0], position[1], position[2], texCoord[0], texCoord[1]};
    int64_t vertex = RepeatsEarlierCorner(lists.corners, k) ? FindEqualVertex(mesh.vertexData, values) : -1;
    if (vertex < 0) vertex = AppendVertex(mesh.vertexData, values);
    mesh.indices.push_back(static_cast<uint32_t>(vertex));
  }
}

ObjParseStatus Finish(ObjLists& lists, ObjMeshData& mesh) {
  if (!lists.texCoords.empty()) lists.mode = MeshTextured;
  if (!IndicesInRange(lists)) return ObjParseStatus::IndexOutOfRange;
  ObjMeshData built;
  built.mode = lists.mode;
  if (lists.mode == MeshTextured) {
    BuildTexturedVertices(lists, built);
  } else if (lists.mode != MeshEmpty) {
    built.vertexData = lists.positions;
    built.indices.assign(lists.plainIndices.begin(), lists.plainIndices.end());
  }
  mesh = std::move(built);
  return ObjParseStatus::Ok;
}

}  // namespace

ObjParseStatus ParseObjFile(const char* path, ObjMeshData& mesh) {
  FileReader reader;
  reader.Open(path, "r");
  if (!reader.opened) return ObjParseStatus::CannotOpen;
  ObjLists lists;
  ObjParseStatus status = ObjParseStatus::Ok;
  while (status == ObjParseStatus::Ok && !reader.IsEOF()) status = ParseLine(reader.ReadLine(), lists);
  bool readError = reader.HasReadError();
  reader.Close();
  if (status != ObjParseStatus::Ok) return status;
  if (readError) return ObjParseStatus::ReadError;
  return Finish(lists, mesh);
}

ObjParseStatus ParseObjText(const std::string& text, ObjMeshData& mesh) {
  ObjLists lists;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t lineFeed = text.find('\n', start);
    bool lastLine = lineFeed == std::string::npos;
    std::string line = text.substr(start, lastLine ? std::string::npos : lineFeed - start);
    if (!lastLine && !line.empty() && line.back() == '\r') line.pop_back();
    ObjParseStatus status = ParseLine(line, lists);
    if (status != ObjParseStatus::Ok) return status;
    start = lastLine ? text.size() : lineFeed + 1;
  }
  return Finish(lists, mesh);
}
