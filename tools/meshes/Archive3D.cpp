// Writes packs/3d.zip: the meshes and textures of the level scenes and the emblem, as a plain zip.
#include <cstdio>

#include "Builder.h"
#include "PackWriter.h"
#include "meshes/Meshes3D.h"

namespace {

std::vector<uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

bool Build3DArchive(const std::string& outDir) {
  std::vector<PackEntry> entries = {
      {"plan.obj", BytesOf(PlaneObj()), true},
      {"sphere.obj", BytesOf(SphereObj()), true},
      {"flare.obj", BytesOf(FlareObj()), true},
      {"tessalink.obj", BytesOf(LogoObj()), true},
      {"fire_texture.png", EncodePng(PaintFireTexture(), false), true},
      {"degrade_hemispherique.png", EncodePng(PaintHemisphereGradient(), true), true},
      {"anamorphicstreaks.png", EncodePng(PaintAnamorphicStreak(), false), true},
  };
  size_t bytes = 0;
  for (const PackEntry& entry : entries) {
    if (entry.data.empty()) {
      std::fprintf(stderr, "packbuilder: could not make %s for the 3D archive\n", entry.name.c_str());
      return false;
    }
    bytes += entry.data.size();
  }
  // Plain entries: any zip tool can list and extract the archive.
  if (!WritePack(outDir + "/3d.zip", entries)) return false;
  std::printf("packbuilder: 3D archive with %zu entries (%.1f kB)\n", entries.size(), bytes / 1e3);
  return true;
}
