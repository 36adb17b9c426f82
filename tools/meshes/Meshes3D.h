// The 3D archive's content: its meshes as Wavefront OBJ text and its textures as pictures.
#pragma once

#include <string>
#include <vector>

#include "ImageWrite.h"

struct Point3 {
  double x = 0, y = 0, z = 0;
};

// Collects vertices, texture coordinates, normals and faces and writes them as OBJ text, numbers in a fixed
// format so that the same mesh always gives the same bytes.
class ObjText {
 public:
  struct Corner {
    int position = 0, texCoord = 0, normal = 0;  // 1-based OBJ indices, 0 for none
  };
  int Position(Point3 p);
  int TexCoord(double u, double v);  // v counts from the bottom of the picture, as OBJ has it
  int Normal(Point3 n);
  void Face(const std::vector<Corner>& corners);
  void Object(const std::string& name);
  void Comment(const std::string& text);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  int positions_ = 0, texCoords_ = 0, normals_ = 0;
};

std::string PlaneObj();   // 24 x 24 quads, 200 x 200 units in the x/z plane facing +y, textures repeat 4 times
std::string SphereObj();  // radius 100, 32 segments round and 24 from pole to pole
std::string FlareObj();   // a 64 x 64 square facing +z
std::string LogoObj();    // the emblem, five morph frames in which its pieces fly together

Picture PaintFireTexture();         // 256 x 256, repeats seamlessly both ways
Picture PaintHemisphereGradient();  // 256 x 256, bright centre to transparent black rim
Picture PaintAnamorphicStreak();    // 256 x 64, colour on black for additive drawing
