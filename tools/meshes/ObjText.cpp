// Writing OBJ text: one line per vertex, texture coordinate, normal and face.
#include <cstdio>

#include "meshes/Meshes3D.h"

namespace {

std::string Numbers(const char* keyword, std::initializer_list<double> values) {
  std::string line = keyword;
  char number[32];
  for (double v : values) {
    // Rounding first keeps -0.0000 out of the text.
    double rounded = static_cast<double>(static_cast<long long>(v * 10000.0 + (v < 0 ? -0.5 : 0.5))) / 10000.0;
    std::snprintf(number, sizeof number, " %.4f", rounded == 0 ? 0.0 : rounded);
    line += number;
  }
  return line + "\n";
}

}  // namespace

int ObjText::Position(Point3 p) {
  text_ += Numbers("v", {p.x, p.y, p.z});
  return ++positions_;
}

int ObjText::TexCoord(double u, double v) {
  text_ += Numbers("vt", {u, v});
  return ++texCoords_;
}

int ObjText::Normal(Point3 n) {
  text_ += Numbers("vn", {n.x, n.y, n.z});
  return ++normals_;
}

void ObjText::Face(const std::vector<Corner>& corners) {
  text_ += "f";
  for (const Corner& c : corners) {
    text_ += " " + std::to_string(c.position);
    if (c.texCoord || c.normal) text_ += "/" + (c.texCoord ? std::to_string(c.texCoord) : std::string());
    if (c.normal) text_ += "/" + std::to_string(c.normal);
  }
  text_ += "\n";
}

void ObjText::Object(const std::string& name) { text_ += "o " + name + "\n"; }
void ObjText::Comment(const std::string& text) { text_ += "# " + text + "\n"; }
