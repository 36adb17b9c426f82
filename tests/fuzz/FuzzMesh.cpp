// Fuzz target: the OBJ reader of the 3D renderer takes any text a mesh file of 3d.zip may hold.
#include <cstddef>
#include <cstdint>
#include <string>

#include "media/Engine3DMesh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  engine3d::MeshData mesh;
  std::string why;
  if (!engine3d::ParseObj(std::string(reinterpret_cast<const char*>(data), size), mesh, &why)) return 0;
  // A mesh read whole can be drawn: every index names a vertex and every frame has them all.
  for (int index : mesh.indices)
    if (index < 0 || static_cast<size_t>(index) >= mesh.VertexCount()) __builtin_trap();
  for (const auto& frame : mesh.frames)
    if (frame.positions.size() != mesh.VertexCount() || frame.normals.size() != mesh.VertexCount()) __builtin_trap();
  std::vector<engine3d::Vec3> positions, normals;
  engine3d::MorphFrame(mesh, 0.5f, positions, normals);
  return 0;
}
