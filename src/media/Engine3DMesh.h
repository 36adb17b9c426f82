// Meshes of the 3D renderer as the OBJ reader makes them: shared texture coordinates and triangles, and one
// set of positions and normals per morph frame.
#pragma once

#include <string>
#include <vector>

#include "media/Engine3DMath.h"

namespace engine3d {

struct TexCoord {
  float u = 0, v = 0;  // texture widths and heights from its top-left corner
};

struct MeshFrame {
  std::vector<Vec3> positions;  // model units, one per mesh vertex
  std::vector<Vec3> normals;    // unit length (zero where a face had no area), one per mesh vertex
};

struct MeshData {
  std::vector<TexCoord> texCoords;  // one per mesh vertex
  std::vector<int> indices;         // three mesh vertices per triangle, counter-clockwise seen from the front
  std::vector<MeshFrame> frames;    // at least one once read
  size_t VertexCount() const { return texCoords.size(); }
  size_t TriangleCount() const { return indices.size() / 3; }
};

// Reads Wavefront OBJ text (v, vt, vn, f; faces of any size are fanned; negative indices count back from the
// latest vertex). Objects named frame0, frame1, ... start morph frames, which must have the same faces.
// False, with the reason in `why`, for anything damaged: bad or out-of-range indices, numbers that are not
// finite or beyond a million units, frames that disagree, no faces at all.
bool ParseObj(const std::string& text, MeshData& mesh, std::string* why = nullptr);

// The reader's work in its latest call on this thread, in stored corners and positions it looked at: it grows
// with the size of the file, whatever the number of morph frames.
size_t LastParseObjSteps();

// The positions and normals at `seconds` into the morph animation: one frame per second, holding the last.
void MorphFrame(const MeshData& mesh, float seconds, std::vector<Vec3>& positions, std::vector<Vec3>& normals);

}  // namespace engine3d
