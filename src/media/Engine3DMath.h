// Small vector and rotation maths of the 3D renderer.
#pragma once

#include <cmath>

namespace engine3d {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline Vec3 Lerp(Vec3 a, Vec3 b, float t) { return a + (b - a) * t; }
inline Vec3 Normalised(Vec3 a) {
  float length = std::sqrt(Dot(a, a));
  return length > 1e-20f ? a * (1.0f / length) : Vec3{0, 0, 0};
}

// Rows of a 3 x 3 matrix.
struct Mat3 {
  Vec3 r0{1, 0, 0}, r1{0, 1, 0}, r2{0, 0, 1};
};

inline Vec3 operator*(const Mat3& m, Vec3 v) { return {Dot(m.r0, v), Dot(m.r1, v), Dot(m.r2, v)}; }
// The transpose, which undoes a rotation.
inline Vec3 TransposeTimes(const Mat3& m, Vec3 v) {
  return m.r0 * v.x + m.r1 * v.y + m.r2 * v.z;
}

inline Mat3 operator*(const Mat3& a, const Mat3& b) {
  Vec3 c0{b.r0.x, b.r1.x, b.r2.x}, c1{b.r0.y, b.r1.y, b.r2.y}, c2{b.r0.z, b.r1.z, b.r2.z};
  return {{Dot(a.r0, c0), Dot(a.r0, c1), Dot(a.r0, c2)},
          {Dot(a.r1, c0), Dot(a.r1, c1), Dot(a.r1, c2)},
          {Dot(a.r2, c0), Dot(a.r2, c1), Dot(a.r2, c2)}};
}

constexpr float kRadiansPerDegree = 3.14159265358979f / 180.0f;

// R = Ry(ry) * Rx(rx) * Rz(rz), angles in degrees, right-handed.
inline Mat3 RotationOf(float rx, float ry, float rz) {
  float cx = std::cos(rx * kRadiansPerDegree), sx = std::sin(rx * kRadiansPerDegree);
  float cy = std::cos(ry * kRadiansPerDegree), sy = std::sin(ry * kRadiansPerDegree);
  float cz = std::cos(rz * kRadiansPerDegree), sz = std::sin(rz * kRadiansPerDegree);
  Mat3 x{{1, 0, 0}, {0, cx, -sx}, {0, sx, cx}};
  Mat3 y{{cy, 0, sy}, {0, 1, 0}, {-sy, 0, cy}};
  Mat3 z{{cz, -sz, 0}, {sz, cz, 0}, {0, 0, 1}};
  return y * (x * z);
}

}  // namespace engine3d
