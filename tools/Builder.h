// The parts of the pack builder: each writes the packs of one kind of content into the output folder.
#pragma once

#include <string>

// Each returns false after printing what went wrong; the builder then fails the build.
bool BuildMainGraphicsPacks(const std::string& outDir);  // packs/maingfx.pak and packs/panel.pak
bool BuildMiniLogoPack(const std::string& outDir);       // packs/minilogo.pak, the configuration window's banner
// packs/sounds.pak; with a sheet folder, also the effects' contact sheet and files there
bool BuildSoundPacks(const std::string& outDir, const std::string& sheetDir = "");
bool BuildThemePacks(const std::string& outDir);         // packs/<theme>.pak and the level scene packs
bool BuildLevelPacks(const std::string& levelSourceDir, const std::string& outDir);  // packs/normal, packs/hard
bool BuildMusicPacks(const std::string& outDir);         // packs/<track>.pak for the six level tracks
bool Build3DArchive(const std::string& outDir);          // packs/3d.zip, the 3D scenes' meshes and textures
bool BuildMinigamePacks(const std::string& outDir);      // packs/tetris.pak, ducks.pak, sugar.pak and the two MIDI tunes
bool BuildScreenPacks(const std::string& outDir);        // packs/menu.pak, the stories', logos' and credits' packs
