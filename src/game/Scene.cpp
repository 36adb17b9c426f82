// Setting up a level's theme, title and music, and drawing its background scene every frame.
#include "game/Scene.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "base/AssetNames.h"
#include "game/ExtrasState.h"
#include "game/Taron.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "game/Scene3D.h"
#include "game/SceneEffects.h"
#include "runtime/Loaders.h"
#include "runtime/Settings.h"

std::string currentBackground;

namespace {

std::string SceneRoom(int levelIndex) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", levelIndex);
  return LevelSetDirectory(play.difficulty) + digits + ".pak";
}

constexpr int titleWidth = 120, titleHeight = 100;  // pixels
constexpr int smallestTitleSize = 8;                // points

// The title's lines in the font being drawn with, or none when a word is wider than the picture or the lines
// do not fit under one another. Words stay whole: a line ends before the word that would cross the right
// edge, and a line keeps the blanks written between its words, so that a long run of blanks ends the line.
// Punctuation written apart from its word does not start a line. Every line is measured as the whole text
// that is drawn.
std::vector<std::string> TitleLines(const std::string& text, int lineHeight) {
  std::vector<std::string> lines;
  std::string line;
  size_t at = 0;
  while (at < text.size()) {
    size_t wordStart = text.find_first_not_of(' ', at);
    if (wordStart == std::string::npos) break;
    size_t wordEnd = std::min(text.find(' ', wordStart), text.size());
    std::string word = text.substr(wordStart, wordEnd - wordStart);
    if (TextPixelWidth(word) > titleWidth) return {};
    std::string longer = line.empty() ? word : line + text.substr(at, wordEnd - at);
    bool fits = TextPixelWidth(longer) <= titleWidth;
    // Punctuation written apart ("TARON !") stays with the word before it.
    bool punctuation = std::none_of(word.begin(), word.end(), [](char c) { return std::isalnum(c & 255); });
    if (!fits && punctuation && !line.empty()) return {};
    if (line.empty() || fits) {
      line = longer;
    } else {
      lines.push_back(line);
      line = word;
    }
    at = wordEnd;
  }
  if (!line.empty()) lines.push_back(line);
  if (static_cast<int>(lines.size()) * lineHeight > titleHeight) return {};
  return lines;
}

// Capitals of the titles' font stand about as tall as its size: a fifth more leaves a gap between lines.
int TitleLineHeight(int pointSize) { return pointSize + pointSize / 5; }

}  // namespace

TitleLayout LayOutLevelTitle(const std::string& text) {
  TitleLayout layout;
  if (!HasFont(textFont)) return layout;
  layout.pointSize = FontPointSize(textFont);
  SetDrawFont(FontHandle(textFont));
  layout.lines = TitleLines(text, TitleLineHeight(layout.pointSize));
  // Made smaller, a point at a time, while a word would not fit whole.
  while (layout.lines.empty() && layout.pointSize > smallestTitleSize &&
         LoadFontResized(smallTitleFont, textFont, layout.pointSize - 1)) {
    layout.pointSize -= 1;
    SetDrawFont(FontHandle(smallTitleFont));
    layout.lines = TitleLines(text, TitleLineHeight(layout.pointSize));
  }
  layout.lineHeight = TitleLineHeight(layout.pointSize);
  return layout;
}

void RenderLevelTitle(const std::string& text) {
  if (HasQuad(levelTitlePicture)) ReleaseQuad(levelTitlePicture);
  CreateBlankSprite(levelTitlePicture, titleWidth, titleHeight, kSpriteQuadTexture);
  QuadFromSprite(levelTitlePicture, levelTitlePicture);
  if (text.empty() || !BeginDraw(DrawTargetKind::Sprite, levelTitlePicture)) return;
  SetDrawMode(kDrawTransparentText);
  TitleLayout layout = LayOutLevelTitle(text);
  for (size_t i = 0; i < layout.lines.size(); ++i) {
    DrawTextAt(0, static_cast<int>(i) * layout.lineHeight, layout.lines[i], ColorRGB(128, 128, 128));
  }
  SetDrawFont(FontHandle(textFont));
  ReleaseFont(smallTitleFont);
  SetDrawMode(0);
  EndDraw();
}

void ChooseMusic() {
  if (!settings.musicEnabled) return;
  std::string track = MusicTrack(play.difficulty, play.levelIndex, play.changeMusic);
  if (track.empty()) return;
  play.changeMusic = false;
  LoadLevelMusic(track);
}

void SetUpLevel() {
  ChooseMusic();
  ChoosePack(SceneRoom(play.levelIndex));
  play.maxMonsters = 4;
  extras.monsterKindsAllowed = 31;
  extras.spawnPeriod = 20;
  LevelTheme theme = ThemeOf(play.difficulty, play.levelIndex);
  // A hard level that names no theme keeps the picture of the level before it; started directly, it
  // takes the picture the levels before it would have left.
  std::string background = theme.background.empty() ? currentBackground : theme.background;
  int before = play.levelIndex >= lastChanceLevel ? play.savedLevelIndex : play.levelIndex - 1;
  for (; background.empty() && before >= 0; --before) {
    background = ThemeOf(play.difficulty, before).background;
  }
  if (!background.empty()) {
    LoadBackground(background, SceneRoom(play.levelIndex));
    currentBackground = background;
  }
  RenderLevelTitle(theme.name);
  extras.monsterKindsAllowed = theme.monsterKinds;
  play.gravityOn = theme.gravity;
  play.maxMonsters = theme.maxMonsters;
  if (theme.boss) {
    play.bonusTimeLimit = 1.0f;
    play.bonusTimeLeft = 10000000.0f;
    play.servePending = true;
    extras.spawnPeriod = 5;
    ResetTaron();
  }
  play.sceneBuilt = false;
  if (settings.effectsEnabled) play.sceneBuilt = true;
  if (settings.effectsEnabled && settings.engine3DAvailable) BuildScene3D();
  LoadScenePictures(settings.effectsEnabled);
  ClosePack();
  Sleep(100);
}

void StepScene() {
  StepScene3D();
  // The boss is how the final level ends, so he fights whatever the effects setting.
  if (IsBossLevel()) StepTaron();
}

void DrawScene() {
  ClearFrame(0);
  if (HasSprite(backgroundPicture)) BlitSprite(backgroundPicture, 80, 20);
  DrawScene3D();
  if (play.sceneBuilt && settings.effectsEnabled) DrawSceneEffects();
  if (IsBossLevel()) DrawTaron();
}
