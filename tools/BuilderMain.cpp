// The pack builder's command line: packbuilder --out DIR --levels DIR [--only PART] [--preview DIR] [--sheets DIR]
// [--sound-sheet DIR].
#include <cstdio>
#include <cstring>
#include <string>

#include "Builder.h"
#include "art/ContactSheet.h"
#include "levels/LevelPreview.h"
#include "sfx/SoundCatalogue.h"

int main(int argc, char** argv) {
  std::string outDir = "packs";
  std::string levelDir = "levels";
  std::string only;
  std::string previewDir;  // level previews and contact sheets, when asked for
  std::string sheetDir;    // contact sheets of the generated sounds and pictures, when asked for
  std::string soundSheetDir;  // the table of every sound's levels and a spectrogram of each, when asked for
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
      outDir = argv[++i];
    } else if (std::strcmp(argv[i], "--levels") == 0 && i + 1 < argc) {
      levelDir = argv[++i];
    } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
      only = argv[++i];
    } else if (std::strcmp(argv[i], "--preview") == 0 && i + 1 < argc) {
      previewDir = argv[++i];
    } else if (std::strcmp(argv[i], "--sheets") == 0 && i + 1 < argc) {
      sheetDir = argv[++i];
    } else if (std::strcmp(argv[i], "--sound-sheet") == 0 && i + 1 < argc) {
      soundSheetDir = argv[++i];
    } else {
      std::fprintf(stderr, "usage: packbuilder --out DIR --levels DIR [--only graphics|sounds|levels|themes|music|meshes|screens|minigames] [--preview DIR] [--sheets DIR] [--sound-sheet DIR]\n");
      return 2;
    }
  }
  bool ok = true;
  SetContactSheetDirectory(sheetDir);  // the picture packs' contact sheets go there as well
  SetSoundCatalogueDirectory(soundSheetDir);
  if (only.empty() || only == "graphics") ok = BuildMainGraphicsPacks(outDir) && BuildMiniLogoPack(outDir) && ok;
  if (only.empty() || only == "sounds") ok = BuildSoundPacks(outDir, sheetDir) && ok;
  if (only.empty() || only == "levels") ok = BuildLevelPacks(levelDir, outDir) && ok;
  if (only.empty() || only == "music") ok = BuildMusicPacks(outDir) && ok;  // its sheets go to --sheets too
  if (only.empty() || only == "themes") ok = BuildThemePacks(outDir) && ok;
  if (only.empty() || only == "meshes") ok = Build3DArchive(outDir) && ok;
  if (only.empty() || only == "screens") ok = BuildScreenPacks(outDir) && ok;
  if (only.empty() || only == "minigames") ok = BuildMinigamePacks(outDir) && ok;
  if (!previewDir.empty()) ok = BuildLevelPreviews(levelDir, previewDir) && ok;
  ok = WriteSoundCatalogue() && ok;
  return ok ? 0 : 1;
}
