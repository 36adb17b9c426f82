// The main menu's frame: the cursor from mouse, keys and joystick, the entries and their pixel-exact hover, the
// title's zoom and flash, the rolling selection ball with its sparks, and the latch of the select button.
#include "front/Menu.h"

#include <cmath>

#include "base/Playfield.h"
#include "base/ScreenPacks.h"
#include "front/MenuScores.h"
#include "front/ScreenInput.h"
#include "game/PlayState.h"
#include "media/Media.h"
#include "runtime/NamedMedia.h"
#include "runtime/Settings.h"
#include "runtime/SoundCues.h"

MenuState menu;

namespace {

constexpr int entryY[6] = {0, 380, 430, 480, 530, 580};      // by entry number
constexpr int redBarY[6] = {0, 349, 399, 449, 499, 549};
constexpr int idleCycleFrames = 15 * 60;

int Clamp(int v, int low, int high) { return v < low ? low : (v > high ? high : v); }

// An axis of 0..span read as -32..32 in steps of 4 (for a span of 65535); a span of 0 keeps the old speed.
int JoystickVelocity(int velocity, int position, int span) {
  if (span == 0) return velocity;
  int k = static_cast<int>(std::lround((position - span / 2) / 4096.0));
  return k * 262144 / span;
}

void SpawnSpark(Spark& spark) {
  spark.x = static_cast<float>(menu.ballX);
  spark.y = static_cast<float>(menu.ballY);
  int r1 = RandomUpTo(100), r2 = RandomUpTo(100), r3 = RandomUpTo(100);
  spark.drift = r1 / 100.0f * 10.0f;
  spark.vy = (r3 - r2) / 400.0f * menu.sparkSpread;
  spark.drag = 0.2f;
  spark.alpha = 130;
}

// The picture an entry shows now: the continue and difficulty entries change with the level set.
int EntryPicture(int entry) {
  bool hard = play.difficulty == difficultyHard;
  switch (entry) {
    case entryStartGame: return MenuPicture(menuStartGame);
    case entryContinue: return MenuPicture(hard ? menuContinueDisabled : menuContinue);
    case entryDifficulty: return MenuPicture(hard ? menuDifficultyHard : menuDifficultyNormal);
    case entryCredits: return MenuPicture(menuCredits);
    case entryQuit: return MenuPicture(menuQuit);
  }
  return -1;
}

bool SelectDown() {
  return FreshButtonHeld(1) || FreshJoystickButton() || FreshKeyHeld(Key::Enter);
}

void DrawTitleLetters(int picture, int alpha) {
  for (int i = 0; i < 3; ++i) DrawQuadAlpha(picture, static_cast<float>(menu.titleX + 60 * i),
                                            static_cast<float>(menu.titleY), alpha);
}

void DrawMenuPhase() {
  DrawMenuBackground();
  BlitSpriteKeyed(MenuPicture(menuFrame), 0, 0);
  BlitSpriteKeyed(MenuPicture(menuLogo), menu.logoX, menuLogoY);
  for (int entry = entryStartGame; entry <= entryQuit; ++entry) BlitSpriteKeyed(EntryPicture(entry), 0, entryY[entry]);
  BlitSpriteKeyed(MenuPicture(menuCaption), 0, menuCaptionY);
  if (!BeginQuads()) return;
  QuadBlendMode(Blend::AddByDestinationAlpha);
  QuadFiltering(1);
  ZoomQuad(MenuPicture(menuTitleLetter), static_cast<float>(menu.titleSize), static_cast<float>(menu.titleSize));
  DrawTitleLetters(MenuPicture(menuTitleLetter), 150);
  if (menu.flashAlpha > 10) {
    DrawTitleLetters(MenuPicture(menuTitleFire), menu.flashAlpha);
    for (int i = 0; i < 5; ++i) DrawQuadAlpha(MenuPicture(menuBlueBar), static_cast<float>(i * 256), 50, menu.flashAlpha);
  } else if (menu.flashDone) {
    BlitSpriteKeyed(MenuPicture(menuSubtitle), 0, menuSubtitleY);
  }
  DrawMenuCursor();
  if (menu.ballActive) {
    DrawQuad(MenuPicture(menuBall), static_cast<float>(menu.ballX), static_cast<float>(menu.ballY));
    DrawQuadAlpha(MenuPicture(menuBlueRing), static_cast<float>(menu.ballX - 32), static_cast<float>(menu.ballY - 32), 200);
    for (const Spark& spark : menu.sparks) {
      DrawQuadAlpha(MenuPicture(menuSpark), std::round(spark.x), std::round(spark.y), spark.alpha);
    }
  }
  if (menu.selectedEntry >= entryStartGame && menu.selectedEntry <= entryQuit) {
    for (int i = 0; i <= 8; ++i) {
      DrawQuadAlpha(MenuPicture(menuRedBar), static_cast<float>(i * 128), static_cast<float>(redBarY[menu.selectedEntry]),
                    menu.barAlpha);
    }
  }
  EndQuads();
  DrawVersionText();
}

// The intro animation, the flash with its sound, the music after it, the ball, its sparks and the bars.
void AdvanceMenuAnimation() {
  if (menu.logoX > 0) menu.logoX -= 9;
  if (menu.titleSize > 256) {
    menu.titleX += 7;
    menu.titleSize -= 2;
    menu.titleY += 1;
  }
  if (menu.titleSize <= 256 && !menu.flashDone) {
    menu.flashAlpha = 255;
    menu.flashDone = true;
    menu.musicDelay = 2 * 60;
    PlayEffectSound(Sound::TitleFlash, -1, -1, -1);
  }
  if (menu.flashDone && settings.musicEnabled && menu.musicDelay != 0) {
    menu.musicDelay -= 1;
    if (menu.musicDelay == 0 && HasSound(Sound::Music)) {
      SetSoundVolume(Sound::Music, 100);
      PlaySoundId(Sound::Music, kSoundLoop);
    }
  }
  if (menu.flashAlpha > 10) menu.flashAlpha -= 2;
  StepMenuSelection();
  if (menu.ballActive) {
    menu.ballX += 15;
    if (menu.ballX > 1224) menu.ballActive = false;
    for (Spark& spark : menu.sparks) {
      spark.drift = spark.drift - spark.drag + menu.sparkPull;
      spark.y += spark.vy;
      spark.x -= spark.drift;
      if (spark.alpha > 5) spark.alpha -= 2;
      if (spark.y > 780 || spark.y < -32 || spark.x < -50 || spark.x > 1064) SpawnSpark(spark);
    }
  }
  if (menu.selectedEntry != entryNone && menu.barAlpha > 70) menu.barAlpha -= 1;
}

}  // namespace

void InitMenuState() {
  bool ballActive = menu.ballActive;
  std::array<Spark, menuSparkCount> sparks = menu.sparks;
  menu = MenuState{};
  menu.ballActive = ballActive;
  menu.sparks = sparks;
}

void ResetSparks() {
  for (Spark& spark : menu.sparks) SpawnSpark(spark);
}

MenuPhase MenuPhaseOf(int idleFrames) {
  int p = idleFrames % idleCycleFrames;
  if (p < 300) return MenuPhase::Menu;
  return p < 600 ? MenuPhase::LocalScores : MenuPhase::LiveScores;
}

void StepMenuInput() {
  SampleScreenInput();
  menu.keyVelX = ArrowVelocity(menu.keyVelX, Key::Left, Key::Right);
  menu.keyVelY = ArrowVelocity(menu.keyVelY, Key::Up, Key::Down);
  if (settings.joystickEnabled) {
    menu.joyVelX = JoystickVelocity(menu.joyVelX, joystick0.x, settings.joyRangeX);
    menu.joyVelY = JoystickVelocity(menu.joyVelY, joystick0.y, settings.joyRangeY);
  }
  int dx = PointerDeltaX(), dy = PointerDeltaY();
  menu.cursorX = Clamp(menu.cursorX + dx + menu.joyVelX + menu.keyVelX, 0, screenWidth - 1);
  menu.cursorY = Clamp(menu.cursorY + dy + menu.joyVelY + menu.keyVelY, 0, screenHeight - 1);
  // Motion to the left or upwards from the keys or the joystick alone does not count as the player being back.
  if (std::abs(dx) > 10 || std::abs(dy) > 10 || menu.joyVelX > 10 || menu.joyVelY > 10 || menu.keyVelX > 10 ||
      menu.keyVelY > 10) {
    menu.idleFrames = 0;
  }
}

void StepMenuSelection() {
  for (int entry = entryStartGame; entry <= entryQuit; ++entry) {
    if (entry == entryContinue && play.difficulty == difficultyHard) continue;
    if (!SpritesTouchExactly(MenuPicture(menuCursor), menu.cursorX, menu.cursorY, EntryPicture(entry), 0, entryY[entry])) {
      continue;
    }
    if (menu.selectedEntry == entry) continue;
    menu.selectedEntry = entry;
    menu.ballX = -65;
    menu.ballY = entryY[entry] + 1;
    menu.ballActive = true;
    menu.barAlpha = 200;
    ResetSparks();
  }
}

void MainMenuFrame() {
  StepMenuInput();
  MenuPhase phase = MenuPhaseOf(menu.idleFrames);
  if (phase == MenuPhase::Menu) {
    if (SelectDown()) {
      if (!menu.buttonLatch) {
        int entry = menu.selectedEntry;
        menu.buttonLatch = true;
        ActOnEntry(entry);
      }
    } else {
      menu.buttonLatch = false;
    }
    DrawMenuPhase();
    AdvanceMenuAnimation();
  } else {
    DrawScorePhase(phase == MenuPhase::LiveScores);
    if (KeyReleased(Key::Enter)) menu.idleFrames = 0;
  }
  menu.backgroundScroll = (menu.backgroundScroll + 1) % screenHeight;
  if (KeyReleased(Key::Escape)) menu.menuResult = menuQuitProgram;
  if (KeyReleased(Key::J)) settings.joystickEnabled = !settings.joystickEnabled;
  menu.idleFrames += 1;
}
