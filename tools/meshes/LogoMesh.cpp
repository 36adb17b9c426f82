// The game maker's emblem as a mesh: a bevelled five-pointed star inside a zig-zag ring of ten bevelled shards,
// 300 units across and facing +z, in five morph frames in which the pieces fly in and lock together.
#include <cmath>

#include "art/Paint.h"
#include "meshes/Meshes3D.h"

namespace {

using Outline = std::vector<Point3>;  // counter-clockwise seen from +z, z = 0

constexpr double kWallHeight = 14;   // units of straight side
constexpr double kBevelHeight = 8;   // units of slanted side above it
constexpr double kBevelInset = 0.82; // the top face's size as a share of the outline's
constexpr int kFrames = 5;

Point3 Add(Point3 a, Point3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Point3 Sub(Point3 a, Point3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Point3 Scale(Point3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
Point3 Cross(Point3 a, Point3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Point3 Unit(Point3 a) {
  double length = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
  return length > 0 ? Scale(a, 1 / length) : a;
}

Point3 Centre(const Outline& outline) {
  Point3 sum;
  for (const Point3& p : outline) sum = Add(sum, p);
  return Scale(sum, 1.0 / static_cast<double>(outline.size()));
}

Point3 Polar(double radius, double degrees) {
  return {radius * std::cos(degrees * kPi / 180), radius * std::sin(degrees * kPi / 180), 0};
}

std::vector<Outline> Pieces() {
  std::vector<Outline> pieces;
  Outline star;
  for (int k = 0; k < 10; ++k) star.push_back(Polar(k % 2 ? 27 : 68, 90 + k * 36));
  pieces.push_back(star);
  // Shards pointing out and in by turns, their sides along the same lines so the ring reads as one band.
  for (int k = 0; k < 10; ++k) {
    double a = 90 + 18 + k * 36;
    if (k % 2 == 0) pieces.push_back({Polar(88, a - 15), Polar(150, a), Polar(88, a + 15)});
    else pieces.push_back({Polar(150, a + 15), Polar(88, a), Polar(150, a - 15)});
  }
  for (Outline& piece : pieces) {
    // Counter-clockwise seen from +z whatever order the corners were listed in.
    double area = 0;
    for (size_t i = 0; i < piece.size(); ++i) {
      const Point3& p = piece[i];
      const Point3& q = piece[(i + 1) % piece.size()];
      area += p.x * q.y - q.x * p.y;
    }
    if (area < 0) piece = Outline(piece.rbegin(), piece.rend());
  }
  return pieces;
}

// A turn by `degrees` about z then `tilt` about x.
Point3 Turned(Point3 p, double degrees, double tilt) {
  double c = std::cos(degrees * kPi / 180), s = std::sin(degrees * kPi / 180);
  Point3 q{c * p.x - s * p.y, s * p.x + c * p.y, p.z};
  double ct = std::cos(tilt * kPi / 180), st = std::sin(tilt * kPi / 180);
  return {q.x, ct * q.y - st * q.z, st * q.y + ct * q.z};
}

// Where a piece is in a frame: 0 is scattered, 1 is in place.
struct Placement {
  Point3 offset;
  double degrees = 0, tilt = 0;
};

Placement PlacementOf(int piece, int frame) {
  double t = static_cast<double>(frame) / (kFrames - 1);
  double left = 1 - t * t * (3 - 2 * t);  // eases into place
  Dice dice(static_cast<uint32_t>(101 + piece * 7));
  double direction = dice.Range(0, 360), distance = dice.Range(380, 620);
  Point3 away = Polar(distance, direction);
  away.z = dice.Range(-500, 200);
  if (piece == 0) away = {0, 0, -900};  // the star comes from far behind, spinning
  return {Scale(away, left), (piece == 0 ? 720 : dice.Range(-300, 300)) * left, dice.Range(-120, 120) * left};
}

// One piece as a bevelled prism: bottom, walls, bevel and top, each face with its own normal.
void AddPiece(ObjText& obj, const Outline& outline, const Placement& place) {
  Point3 centre = Centre(outline);
  auto put = [&](Point3 p) { return Add(Add(Turned(Sub(p, centre), place.degrees, place.tilt), centre), place.offset); };
  auto face = [&](const std::vector<Point3>& corners) {
    std::vector<Point3> moved;
    for (const Point3& p : corners) moved.push_back(put(p));
    int normal = obj.Normal(Unit(Cross(Sub(moved[1], moved[0]), Sub(moved[2], moved[0]))));
    std::vector<ObjText::Corner> out;
    for (size_t i = 0; i < corners.size(); ++i)
      out.push_back({obj.Position(moved[i]), obj.TexCoord(corners[i].x / 300 + 0.5, corners[i].y / 300 + 0.5), normal});
    obj.Face(out);
  };
  size_t n = outline.size();
  auto lifted = [&](size_t i, double z, double inset) {
    Point3 p = Add(centre, Scale(Sub(outline[i % n], centre), inset));
    p.z = z;
    return p;
  };
  const double wall = kWallHeight, top = kWallHeight + kBevelHeight;
  Point3 topCentre = centre, bottomCentre = centre;
  topCentre.z = top;
  for (size_t i = 0; i < n; ++i) {
    face({bottomCentre, lifted(i + 1, 0, 1), lifted(i, 0, 1)});                                  // faces -z
    face({lifted(i, 0, 1), lifted(i + 1, 0, 1), lifted(i + 1, wall, 1), lifted(i, wall, 1)});      // wall
    face({lifted(i, wall, 1), lifted(i + 1, wall, 1), lifted(i + 1, top, kBevelInset), lifted(i, top, kBevelInset)});
    face({topCentre, lifted(i, top, kBevelInset), lifted(i + 1, top, kBevelInset)});             // faces +z
  }
}

}  // namespace

std::string LogoObj() {
  ObjText obj;
  obj.Comment("emblem: a star in a ring of shards; frame0 scattered, frame4 assembled");
  std::vector<Outline> pieces = Pieces();
  for (int frame = 0; frame < kFrames; ++frame) {
    obj.Object("frame" + std::to_string(frame));
    for (size_t p = 0; p < pieces.size(); ++p) AddPiece(obj, pieces[p], PlacementOf(static_cast<int>(p), frame));
  }
  return obj.Text();
}
