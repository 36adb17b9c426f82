// Setting up a level's theme, title and music, and drawing its background scene every frame.
#include "game/Scene.h"

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

}  // namespace

void RenderLevelTitle(const std::string& text) {
  constexpr int width = 120, height = 100, lineHeight = 20;
  if (HasQuad(levelTitlePicture)) ReleaseQuad(levelTitlePicture);
  CreateBlankSprite(levelTitlePicture, width, height, kSpriteQuadTexture);
  QuadFromSprite(levelTitlePicture, levelTitlePicture);
  if (text.empty() || !BeginDraw(DrawTargetKind::Sprite, levelTitlePicture)) return;
  SetDrawFont(FontHandle(textFont));
  SetDrawMode(kDrawTransparentText);
  int x = 0, y = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    std::string one(1, c);
    int w = TextPixelWidth(one);
    // A word that would cross the edge starts the next line whole, unless it is longer than a line.
    bool wordStart = c != ' ' && (i == 0 || text[i - 1] == ' ');
    if (wordStart && x > 0) {
      size_t end = text.find(' ', i);
      int wordWidth = TextPixelWidth(text.substr(i, end == std::string::npos ? std::string::npos : end - i));
      if (x + wordWidth > width && wordWidth <= width) x = width;
    }
    if (x > width - w) {
      x = 0;
      y += lineHeight;
    }
    DrawTextAt(x, y, one, ColorRGB(128, 128, 128));
    // A blank at the start of a line takes no room: runs of blanks break the lines.
    if (!(c == ' ' && x == 0)) x += w;
  }
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
  // A hard level that names no theme keeps the picture of the level before it.
  std::string background = theme.background.empty() ? currentBackground : theme.background;
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
