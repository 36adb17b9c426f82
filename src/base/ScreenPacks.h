// The packs of the screens around play (menu, stories, logos, credits): their files, their entries in load order
// and the picture and sound numbers the screens load them into. The game reads by these tables, the builder
// writes by them.
#pragma once

#include <array>
#include <string>

// The screens' pictures have their own number range, clear of the main pictures and of a level's scene.
constexpr int firstScreenPicture = 4000;

// ---------------------------------------------------------------------------------------------------------------
// packs/menu.pak: 22 entries, read in this order.
enum class MenuEntryKind { Image, Quad, Ball, Sound, Music };
struct MenuEntry {
  const char* name;     // the name in the pack
  MenuEntryKind kind;   // Image: keyed 2D picture; Quad: picture drawn as a quad; Ball: quad with filtering flags
};
constexpr int menuEntryCount = 22;
extern const std::array<MenuEntry, menuEntryCount> menuEntries;
constexpr const char* menuPack = "packs/menu.pak";

// The menu's entries by their place in the pack (0-based); a picture's number is firstScreenPicture + place.
enum MenuItem : int {
  menuLogo = 0, menuTitleLetter, menuTitleFire, menuBlueBar, menuSubtitle, menuFrame, menuStartGame, menuCredits,
  menuQuit, menuCaption, menuBall, menuSpark, menuBlueRing, menuRedBar, menuBackground, menuCursor, menuFlashSound,
  menuDifficultyNormal, menuDifficultyHard, menuContinue, menuContinueDisabled, menuMusic
};
constexpr int MenuPicture(MenuItem item) { return firstScreenPicture + item; }

// Where the menu's pictures stand on the 1024 x 768 screen (the builder sizes them to fit).
constexpr int menuEntryX = 0;
constexpr int menuEntryY[5] = {380, 430, 480, 530, 580};  // start, continue, difficulty, credits, quit
constexpr int menuCaptionY = 650, menuSubtitleY = 220, menuLogoY = 50;

// ---------------------------------------------------------------------------------------------------------------
// The story screens: a background picture and a music track each.
struct StoryPack {
  const char* pack;
  const char* background;  // JPEG, 1024 x 768, drawn opaque
  const char* music;       // Ogg Vorbis loop
  int musicSlot;           // the sound number it plays on
};
extern const StoryPack introPack, endingPack, gameOverPack;
constexpr int storyBackgroundPicture = firstScreenPicture + 30;

// The logo screens: one picture each, drawn as a quad centred on the black screen.
struct LogoPack {
  const char* pack;
  const char* picture;
};
extern const LogoPack gameLogoPack, publisherLogoPack, makerLogoPack;
constexpr int logoPicture = firstScreenPicture + 31;

// The maker's 3D logo: meshes and texture of packs/3d.zip.
constexpr const char* logoMeshName = "tessalink.mesh";
constexpr const char* logoFlareMeshName = "flare.mesh";
constexpr const char* logoFlareTexture = "anamorphicstreaks.png";

// ---------------------------------------------------------------------------------------------------------------
// packs/credits.pak: the title, the ten floating pictures, the music.
constexpr const char* creditsPack = "packs/credits.pak";
constexpr const char* creditsTitleName = "GFX\\Credits\\Title_Credit.png";
constexpr int creditsPictureCount = 10;
std::string CreditsPictureName(int n);  // "GFX\Credits\scr<n>.png", n = 0..9
constexpr const char* creditsMusicName = "GFX\\Credits\\creditsnovabouncer.ogg";
constexpr int creditsMusicSlot = 17;
constexpr int creditsTitlePicture = firstScreenPicture + 40;
constexpr int creditsPictures = firstScreenPicture + 41;  // 4041..4050
constexpr int creditsPictureSize = 512;                   // the quads are drawn 512 x 512 at unit scale

// The sound slots of the screens' music and of the menu's flash.
constexpr int menuMusicSlot = 0, menuFlashSlot = 22;
