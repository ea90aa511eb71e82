// OBJ output with positions and texture coordinates shared between faces by their printed value.
#include "tools/scenery/obj_writer.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace scenery {

namespace {

// Fixed decimals keep the output identical on every machine; -0 would print as "-0.00000".
std::string Number(float value) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.5f", static_cast<double>(value));
  std::string printed(text);
  if (printed == "-0.00000") printed = "0.00000";
  return printed;
}

// Numbers records by their text, one-based, in order of first use.
class RecordTable {
 public:
  int IndexOf(const std::string& record) {
    auto found = index_.find(record);
    if (found != index_.end()) return found->second;
    lines_ << record << '\n';
    const int index = static_cast<int>(index_.size()) + 1;
    index_.emplace(record, index);
    return index;
  }
  std::string Lines() const { return lines_.str(); }

 private:
  std::map<std::string, int> index_;
  std::ostringstream lines_;
};

}  // namespace

std::string ObjText(const TriangleList& triangles, const std::string& comment) {
  RecordTable positions;
  RecordTable coordinates;
  std::ostringstream faces;
  for (const Triangle& triangle : triangles) {
    faces << 'f';
    for (int k = 0; k < 3; ++k) {
      const glm::vec3& p = triangle.corner[k];
      const glm::vec2& t = triangle.uv[k];
      const int position = positions.IndexOf("v " + Number(p.x) + " " + Number(p.y) + " " + Number(p.z));
      const int coordinate = coordinates.IndexOf("vt " + Number(t.x) + " " + Number(t.y));
      faces << ' ' << position << '/' << coordinate;
    }
    faces << '\n';
  }
  return "# " + comment + "\n" + positions.Lines() + coordinates.Lines() + faces.str();
}

bool WriteObj(const std::string& path, const TriangleList& triangles, const std::string& comment) {
  std::ofstream file(path, std::ios::binary);
  file << ObjText(triangles, comment);
  file.close();
  if (!file) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace scenery
