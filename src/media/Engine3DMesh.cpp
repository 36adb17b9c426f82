// The Wavefront OBJ reader of the 3D renderer and the morph frames' interpolation.
#include "media/Engine3DMesh.h"

#include <charconv>
#include <map>
#include <string_view>
#include <tuple>

namespace engine3d {

namespace {

constexpr float kLargestCoordinate = 1e6f;    // model units; anything beyond is a damaged file
constexpr size_t kMostCorners = 4u << 20;     // face corners over all frames
constexpr size_t kMostVertices = 4u << 20;    // v, vt and vn lines each

struct Corner {
  int position = -1, texCoord = -1, normal = -1;  // 0-based, -1 when the corner names none
};

struct Frame {
  std::vector<Corner> corners;
  std::vector<int> faceSizes;  // corners per face, in order
};

// Corners and positions the latest ParseObj on this thread looked at.
thread_local size_t steps = 0;

struct Reader {
  std::vector<Vec3> positions, normals;
  std::vector<TexCoord> texCoords;
  std::vector<Frame> frames;
  size_t cornerTotal = 0;  // face corners over all frames so far
  std::string why;

  bool Fail(const std::string& reason, int line) {
    why = reason + " on line " + std::to_string(line);
    return false;
  }
};

std::string_view NextWord(std::string_view& rest) {
  size_t start = rest.find_first_not_of(" \t\r");
  if (start == std::string_view::npos) {
    rest = {};
    return {};
  }
  size_t end = rest.find_first_of(" \t\r", start);
  std::string_view word = rest.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end);
  return word;
}

bool ReadFloat(std::string_view word, float& value) {
  if (!word.empty() && word.front() == '+') word.remove_prefix(1);
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return error == std::errc() && end == word.data() + word.size() && std::isfinite(value) &&
         std::fabs(value) <= kLargestCoordinate;
}

// Up to `count` numbers; fewer than `needed` is an error.
bool ReadFloats(std::string_view rest, float* values, int needed, int count) {
  for (int i = 0; i < count; ++i) {
    std::string_view word = NextWord(rest);
    if (word.empty()) return i >= needed;
    if (!ReadFloat(word, values[i])) return false;
  }
  return true;
}

// One index of a corner: 1-based, or negative counting back from the latest; -1 for an empty field.
bool ReadIndex(std::string_view field, size_t count, int& index) {
  if (field.empty()) {
    index = -1;
    return true;
  }
  long value = 0;
  auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size() || value == 0) return false;
  long resolved = value > 0 ? value - 1 : static_cast<long>(count) + value;
  if (resolved < 0 || resolved >= static_cast<long>(count)) return false;
  index = static_cast<int>(resolved);
  return true;
}

bool ReadCorner(std::string_view word, const Reader& r, Corner& corner) {
  std::string_view fields[3];
  int n = 0;
  while (n < 3) {
    size_t slash = word.find('/');
    fields[n++] = word.substr(0, slash);
    if (slash == std::string_view::npos) break;
    word.remove_prefix(slash + 1);
    if (n == 3) return false;  // a fourth field
  }
  return !fields[0].empty() && ReadIndex(fields[0], r.positions.size(), corner.position) &&
         ReadIndex(fields[1], r.texCoords.size(), corner.texCoord) &&
         ReadIndex(fields[2], r.normals.size(), corner.normal);
}

bool IsFrameName(std::string_view name) {
  if (name.size() <= 5 || name.substr(0, 5) != "frame") return false;
  for (char c : name.substr(5))
    if (c < '0' || c > '9') return false;
  return true;
}

bool ReadLine(std::string_view line, int number, Reader& r) {
  std::string_view rest = line;
  std::string_view keyword = NextWord(rest);
  if (keyword == "v" || keyword == "vn") {
    float xyz[3];
    if (!ReadFloats(rest, xyz, 3, 3)) return r.Fail("bad vertex", number);
    auto& list = keyword == "v" ? r.positions : r.normals;
    if (list.size() >= kMostVertices) return r.Fail("too many vertices", number);
    list.push_back({xyz[0], xyz[1], xyz[2]});
  } else if (keyword == "vt") {
    float uv[2] = {0, 0};
    if (!ReadFloats(rest, uv, 1, 2)) return r.Fail("bad texture coordinate", number);
    if (r.texCoords.size() >= kMostVertices) return r.Fail("too many texture coordinates", number);
    r.texCoords.push_back({uv[0], uv[1]});
  } else if (keyword == "o") {
    if (IsFrameName(NextWord(rest)) && (r.frames.empty() || !r.frames.back().faceSizes.empty())) r.frames.emplace_back();
  } else if (keyword == "f") {
    if (r.frames.empty()) r.frames.emplace_back();
    Frame& frame = r.frames.back();
    int size = 0;
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest), ++size) {
      Corner corner;
      if (!ReadCorner(word, r, corner)) return r.Fail("bad face index", number);
      frame.corners.push_back(corner);
    }
    if (size < 3) return r.Fail("face of fewer than three corners", number);
    frame.faceSizes.push_back(size);
    r.cornerTotal += static_cast<size_t>(size);
    if (r.cornerTotal > kMostCorners) return r.Fail("too many faces", number);
  }
  // Other lines (comments, groups, smoothing groups, material names) change nothing here.
  return true;
}

// Smooth normals of a frame for corners that name none: the area-weighted sum of the faces round each position,
// gathered in `sums` (one per position, zero on entry) and left there for the frame's corners to take. Only the
// frame's own positions are touched; ClearSums makes them zero again for the next frame.
void SumNormals(const Frame& frame, const std::vector<Vec3>& positions, std::vector<Vec3>& sums) {
  size_t at = 0;
  for (int size : frame.faceSizes) {
    const Corner* c = &frame.corners[at];
    steps += static_cast<size_t>(size);
    for (int k = 1; k + 1 < size; ++k) {
      Vec3 a = positions[c[0].position], b = positions[c[k].position], d = positions[c[k + 1].position];
      Vec3 n = Cross(b - a, d - a);
      for (int i : {0, k, k + 1}) sums[c[i].position] = sums[c[i].position] + n;
    }
    at += static_cast<size_t>(size);
  }
}

void ClearSums(const Frame& frame, std::vector<Vec3>& sums) {
  for (const Corner& c : frame.corners) sums[c.position] = Vec3{};
  steps += frame.corners.size();
}

}  // namespace

size_t LastParseObjSteps() { return steps; }

bool ParseObj(const std::string& text, MeshData& mesh, std::string* why) {
  steps = 0;
  Reader r;
  std::string_view all = text;
  int number = 1;
  bool ok = true;
  while (ok && !all.empty()) {
    size_t end = all.find('\n');
    ok = ReadLine(all.substr(0, end), number++, r);
    all = end == std::string_view::npos ? std::string_view{} : all.substr(end + 1);
  }
  if (ok && (r.frames.empty() || r.frames.front().faceSizes.empty())) ok = r.Fail("no faces", number);
  for (size_t f = 1; ok && f < r.frames.size(); ++f)
    if (r.frames[f].faceSizes != r.frames.front().faceSizes) ok = r.Fail("frame " + std::to_string(f) + " has other faces", number);
  if (!ok) {
    if (why) *why = r.why;
    return false;
  }
  // The first frame decides which corners share a mesh vertex.
  const Frame& first = r.frames.front();
  std::map<std::tuple<int, int, int>, int> vertexOf;
  std::vector<int> vertexOfCorner(first.corners.size());
  MeshData made;
  for (size_t i = 0; i < first.corners.size(); ++i) {
    const Corner& c = first.corners[i];
    auto [it, added] = vertexOf.emplace(std::make_tuple(c.position, c.texCoord, c.normal), static_cast<int>(vertexOf.size()));
    vertexOfCorner[i] = it->second;
    if (added) {
      TexCoord t = c.texCoord >= 0 ? r.texCoords[c.texCoord] : TexCoord{};
      made.texCoords.push_back({t.u, 1.0f - t.v});  // OBJ counts v from the bottom of the picture
    }
  }
  size_t at = 0;
  for (int size : first.faceSizes) {
    for (int k = 1; k + 1 < size; ++k)
      for (int i : {0, k, k + 1}) made.indices.push_back(vertexOfCorner[at + static_cast<size_t>(i)]);
    at += static_cast<size_t>(size);
  }
  std::vector<Vec3> sums(r.positions.size());
  steps += sums.size();
  for (const Frame& frame : r.frames) {
    MeshFrame out;
    out.positions.resize(made.VertexCount());
    out.normals.resize(made.VertexCount());
    SumNormals(frame, r.positions, sums);
    steps += frame.corners.size();
    for (size_t i = 0; i < frame.corners.size(); ++i) {
      const Corner& c = frame.corners[i];
      int vertex = vertexOfCorner[i];
      out.positions[vertex] = r.positions[c.position];
      out.normals[vertex] = Normalised(c.normal >= 0 ? r.normals[c.normal] : sums[c.position]);
    }
    ClearSums(frame, sums);
    made.frames.push_back(std::move(out));
  }
  mesh = std::move(made);
  return true;
}

void MorphFrame(const MeshData& mesh, float seconds, std::vector<Vec3>& positions, std::vector<Vec3>& normals) {
  size_t count = mesh.frames.size();
  float at = std::isfinite(seconds) ? std::fmax(seconds, 0.0f) : 0.0f;
  size_t first = static_cast<size_t>(std::fmin(at, static_cast<float>(count - 1)));
  float blend = at - static_cast<float>(first);
  if (first + 1 >= count || blend <= 0.0f) {
    positions = mesh.frames[first].positions;
    normals = mesh.frames[first].normals;
    return;
  }
  const MeshFrame& a = mesh.frames[first];
  const MeshFrame& b = mesh.frames[first + 1];
  positions.resize(a.positions.size());
  normals.resize(a.normals.size());
  for (size_t i = 0; i < a.positions.size(); ++i) {
    positions[i] = Lerp(a.positions[i], b.positions[i], blend);
    normals[i] = Normalised(Lerp(a.normals[i], b.normals[i], blend));
  }
}

}  // namespace engine3d
