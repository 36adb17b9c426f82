// The simple meshes of the 3D archive: the subdivided plane, the UV sphere and the flare square.
#include <cmath>

#include "art/Paint.h"
#include "meshes/Meshes3D.h"

std::string PlaneObj() {
  constexpr int cells = 24;
  constexpr double size = 200, repeats = 4;
  ObjText obj;
  obj.Comment("plane: " + std::to_string(cells) + " x " + std::to_string(cells) + " quads facing +y");
  int up = obj.Normal({0, 1, 0});
  std::vector<int> positions, texCoords;
  for (int row = 0; row <= cells; ++row)
    for (int column = 0; column <= cells; ++column) {
      double fx = static_cast<double>(column) / cells, fz = static_cast<double>(row) / cells;
      positions.push_back(obj.Position({(fx - 0.5) * size, 0, (fz - 0.5) * size}));
      // The far edge (-z) is the top of the texture.
      texCoords.push_back(obj.TexCoord(fx * repeats, (1 - fz) * repeats));
    }
  auto at = [](int row, int column) { return row * (cells + 1) + column; };
  for (int row = 0; row < cells; ++row)
    for (int column = 0; column < cells; ++column) {
      // Counter-clockwise seen from above: (x0, z0), (x0, z1), (x1, z1), (x1, z0).
      std::vector<ObjText::Corner> quad;
      for (int k : {at(row, column), at(row + 1, column), at(row + 1, column + 1), at(row, column + 1)})
        quad.push_back({positions[k], texCoords[k], up});
      obj.Face(quad);
    }
  return obj.Text();
}

std::string SphereObj() {
  constexpr int around = 32, rings = 24;
  constexpr double radius = 100;
  ObjText obj;
  obj.Comment("sphere: radius 100, u round the y axis, v from the south pole to the north pole");
  std::vector<ObjText::Corner> grid;
  for (int ring = 0; ring <= rings; ++ring)
    for (int step = 0; step <= around; ++step) {
      double theta = kPi * ring / rings, phi = 2 * kPi * step / around;
      Point3 n{std::sin(theta) * std::cos(phi), std::cos(theta), -std::sin(theta) * std::sin(phi)};
      int p = obj.Position({n.x * radius, n.y * radius, n.z * radius});
      int t = obj.TexCoord(static_cast<double>(step) / around, 1.0 - static_cast<double>(ring) / rings);
      grid.push_back({p, t, obj.Normal(n)});
    }
  auto at = [&](int ring, int step) { return grid[ring * (around + 1) + step]; };
  for (int ring = 0; ring < rings; ++ring)
    for (int step = 0; step < around; ++step) {
      // Counter-clockwise seen from outside; the rings at the poles close in triangles.
      ObjText::Corner a = at(ring, step), b = at(ring + 1, step), c = at(ring + 1, step + 1), d = at(ring, step + 1);
      if (ring == 0) obj.Face({a, b, c});
      else if (ring == rings - 1) obj.Face({a, b, d});
      else obj.Face({a, b, c, d});
    }
  return obj.Text();
}

std::string FlareObj() {
  ObjText obj;
  obj.Comment("flare: a 64 x 64 square facing +z");
  int n = obj.Normal({0, 0, 1});
  std::vector<ObjText::Corner> square;
  const double corners[4][2] = {{-32, -32}, {32, -32}, {32, 32}, {-32, 32}};
  for (const auto& c : corners) {
    int p = obj.Position({c[0], c[1], 0});
    square.push_back({p, obj.TexCoord(c[0] > 0 ? 1 : 0, c[1] > 0 ? 1 : 0), n});
  }
  obj.Face(square);
  return obj.Text();
}
