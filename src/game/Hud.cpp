// The status column: pilot, score, lives, BONUS letters and level, the panel frame and the flickering inset.
#include "game/Hud.h"

#include <cctype>

#include "base/AssetNames.h"
#include "base/FontGlyphs.h"
#include "game/Capsules.h"
#include "game/ExtrasDraw.h"
#include "media/Media.h"
#include "game/PlayState.h"

namespace {

constexpr int textRight = 994, glyphStep = 20, glyphSize = 36;
constexpr int nameRowY = fieldTop + 32, scoreRowY = nameRowY + 120, levelRowY = 530, letterRowY = 419;
constexpr int lifeIcon = shipUprightPicture;
constexpr int lifeIconSize = 24, livesLeft = 832, livesTop = 300, livesPerRow = 7, lifeRows = 4;

void DrawRow(const std::string& text, int y) {
  for (const HudGlyph& glyph : HudTextRow(text, y)) {
    ZoomQuad(glyph.picture, glyphSize, glyphSize);
    DrawQuad(glyph.picture, static_cast<float>(glyph.x), static_cast<float>(glyph.y));
  }
}

// Moves the inset screen's top six lines to its bottom, so that the picture scrolls.
void RollInsetScreen() {
  int w = SpritePixelWidth(insetScreenPicture), h = SpritePixelHeight(insetScreenPicture);
  if (w == 0 || h <= 6) return;
  if (SpritePixelWidth(insetScratchPicture) != w || SpritePixelHeight(insetScratchPicture) != h) {
    CreateBlankSprite(insetScratchPicture, w, h, 0);
  }
  BlitTarget(insetScratchPicture);
  SetSpriteClip(insetScreenPicture, 0, 6, w, h - 6);
  BlitSprite(insetScreenPicture, 0, 0);
  SetSpriteClip(insetScreenPicture, 0, 0, w, 6);
  BlitSprite(insetScreenPicture, 0, h - 6);
  SetSpriteClip(insetScreenPicture, -1, -1, -1, -1);
  BlitTarget(insetScreenPicture);
  BlitSprite(insetScratchPicture, 0, 0);
  BlitTarget(-1);
}

}  // namespace

std::vector<HudGlyph> HudTextRow(const std::string& text, int y) {
  std::string shown;
  for (char c : text) {
    unsigned char code = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(c)));
    if (SilverGlyphNumber(code) != 0) shown += static_cast<char>(code);
  }
  std::vector<HudGlyph> glyphs;
  int x = textRight - glyphStep * static_cast<int>(shown.size());
  for (char c : shown) {
    glyphs.push_back({silverFontBase + static_cast<unsigned char>(c), x, y});
    x += glyphStep;
  }
  return glyphs;
}

std::string HudName(const std::string& playerName) {
  return playerName.size() >= 9 ? playerName.substr(0, 9) : playerName;
}

std::vector<HudIcon> HudLifeIcons(int lives) {
  std::vector<HudIcon> icons;
  int shown = std::min(lives, livesPerRow * lifeRows);
  for (int i = 0; i < shown; ++i) {
    icons.push_back({livesLeft + (i % livesPerRow) * lifeIconSize, livesTop + (i / livesPerRow) * lifeIconSize});
  }
  return icons;
}

std::string HudLevelText(int levelIndex, int difficulty) {
  int ordinaryEnd = difficulty == difficultyHard ? finalLevelHard : finalLevelNormal;
  if (levelIndex < ordinaryEnd) return std::to_string(levelIndex + 1);
  if (levelIndex == lastChanceLevel) return "DEATH";
  if (levelIndex == bonusLevel) return "BONUS";
  return "SPECIAL";
}

std::vector<std::pair<int, int>> HudLetters(int letterMask) {
  static const int bits[] = {letterB, letterO, letterN, letterU, letterS};
  static const int pictures[] = {capsuleLetterB, capsuleLetterO, capsuleLetterN, capsuleLetterU, capsuleLetterS};
  static const int xs[] = {820, 856, 893, 930, 966};
  std::vector<std::pair<int, int>> letters;
  for (int i = 0; i < 5; ++i) {
    if (letterMask & bits[i]) letters.push_back({pictures[i], xs[i]});
  }
  return letters;
}

bool InsetShowsLevelName(int levelFrames) {
  return levelFrames % 2 == 0 && levelFrames % 31 != 0 && levelFrames % 63 != 0;
}

namespace {

// This frame the inset shows the level's name, not its rolling screen.
bool TitleInInset() { return InsetShowsLevelName(play.levelFrames) && HasSprite(levelTitlePicture); }

}  // namespace

void DrawPanelInset() {
  // The frame round the playfield, with the background.
  BlitSprite(panelLeftPicture, 0, 0);
  BlitSprite(panelTopPicture, 80, 0);
  BlitSprite(panelRightPicture, 820, 0);
  BlitSpriteKeyed(insetFramePicture, 851, 600);
  if (TitleInInset()) {
    BlitSprite(levelTitlePicture, 864, 630);
  } else {
    BlitSprite(insetScreenPicture, 864, 630);
  }
}

// The inset screen rolls on the frames it is shown.
void StepPanelInset() {
  if (!TitleInInset()) RollInsetScreen();
}

void DrawHud(const std::string& playerName, int64_t score, int letterMask, int levelIndex) {
  BlendNormal();
  DrawRow(HudName(playerName), nameRowY);
  DrawRow(std::to_string(score), scoreRowY);
  for (const HudIcon& icon : HudLifeIcons(play.lives)) {
    ZoomQuad(lifeIcon, lifeIconSize, lifeIconSize);
    DrawQuad(lifeIcon, static_cast<float>(icon.x), static_cast<float>(icon.y));
  }
  ZoomQuad(lifeIcon, static_cast<float>(PictureWidth(lifeIcon)), static_cast<float>(PictureHeight(lifeIcon)));
  DrawRow(HudLevelText(levelIndex, play.difficulty), levelRowY);
  for (const auto& [picture, x] : HudLetters(letterMask)) DrawQuad(picture, static_cast<float>(x), letterRowY);
}
