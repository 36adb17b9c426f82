// Taron's fight: the descent, the hover, the volleys, the hits against his mask, his win and his fall.
#include "game/Taron.h"

#include <algorithm>
#include <cmath>

#include "game/ExtrasDraw.h"
#include "game/LevelWonPicture.h"
#include "media/Media.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "game/SceneEffects.h"
#include "game/TileHits.h"
#include "runtime/Settings.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

Taron taron;

namespace {

constexpr int fps = framesPerSecond;
constexpr int centreX = fieldLeft + fieldWidth / 2;  // 448
constexpr int faceSize = 256;                        // pixels
constexpr int eyeOffsetX = 24, eyeOffsetY = -22;     // from the face's centre, pixels
constexpr int hitCooldownFrames = 60;
constexpr int hitScore = 500;

using enum TaronState;

// How far `state` is into the range that starts at `first`.
int StagesAfter(TaronState first, TaronState state) { return static_cast<int>(state) - static_cast<int>(first); }

bool Within(TaronState state, TaronState first, TaronState last) {
  return StagesAfter(first, state) >= 0 && StagesAfter(state, last) >= 0;
}

TaronState Following(TaronState state) { return static_cast<TaronState>(static_cast<int>(state) + 1); }

// The face the state shows.
int FaceFor(TaronState state) {
  constexpr int wideOpen = taronFaceCount - 1;
  switch (state) {
    case eyesLit:
      return taronFirstFace + 1;
    case firing:
    case mouthHeldOpen:
      return taronFirstFace + wideOpen;
    case won:
      return taronWinFace;
    case defeated:
      return taronLostFace;
    default:
      break;
  }
  if (Within(state, mouthOpening, mouthOpeningLast)) return taronFirstFace + 2 + StagesAfter(mouthOpening, state);
  if (Within(state, mouthClosing, mouthClosingLast)) return taronFirstFace + wideOpen - StagesAfter(mouthClosing, state);
  return taronFirstFace;  // descending, settling, eyes lighting, resting: the mouth closed
}

void Hover(float amplitude) {
  float t = static_cast<float>(play.frameTick);
  taron.x = centreX + static_cast<int>(std::lround(amplitude * std::cos(3 * std::sin(t / 117))));
  taron.y = taronHoverY + amplitude * std::sin(3 * std::cos(t / 120));
}

// Both eyes fire at the ship, each aimed at its own side of it.
void FireVolley() {
  for (int side : {-1, 1}) {
    TaronShot* shot = taron.shots.Add();
    shot->x = static_cast<float>(taron.x + side * eyeOffsetX);
    shot->y = taron.y + eyeOffsetY;
    float dx = ship.x + side * eyeOffsetX - shot->x, dy = ship.y - shot->y;
    float length = std::hypot(dx, dy);
    if (length < 1) dx = 0, dy = 1, length = 1;
    shot->vx = dx / length * taron.shotSpeed;
    shot->vy = dy / length * taron.shotSpeed;
  }
  PlayEffectSound(Sound::Laser, 0, 100, 4000);
  taron.volleys += 1;
  if (taron.shotSpeed < taronTopSpeed) taron.shotSpeed += 0.2f;
}

// Counts the state's timer down; true in the frame it runs out.
bool TimerDone() { return --taron.stateTimer <= 0; }

// Starts `state` with `frames` on its timer.
void Enter(TaronState state, int frames) {
  taron.state = state;
  taron.stateTimer = frames;
}

void Advance() {
  switch (taron.state) {
    case descending:
      taron.y += 60.0f / fps;
      taron.scale += 26.97f / fps;
      if (taron.y >= taronHoverY) Enter(settling, fps);
      return;
    case settling:
      Hover(static_cast<float>(fps - taron.stateTimer) * 32 / fps);
      taron.scale = faceSize;
      if (TimerDone()) Enter(eyesLighting, fps);
      return;
    case defeated:
      if (taron.y > -faceSize) {
        taron.y -= 30.0f / fps;
        taron.scale = std::max(0.0f, taron.scale - 13.48f / fps);
      }
      if ((play.frameTick & 7) == 1) {
        int reach = std::max(8, static_cast<int>(taron.scale) / 2);
        AddExplosion(static_cast<float>(taron.x + RandomUpTo(2 * reach) - reach),
                        taron.y + RandomUpTo(2 * reach) - reach, 128);
      }
      return;
    default:
      break;
  }
  Hover(32);
  switch (taron.state) {
    case eyesLighting:
      taron.eyeAlpha = 255 - taron.stateTimer * 255 / fps;
      if (TimerDone()) Enter(eyesLit, fps);
      break;
    case eyesLit:
      taron.eyeAlpha = 255;
      if (TimerDone()) taron.state = mouthOpening;
      break;
    case firing:
      FireVolley();
      Enter(mouthHeldOpen, static_cast<int>(2 * fps / taron.shotSpeed));
      break;
    case mouthHeldOpen:
      if (TimerDone()) Enter(mouthClosing, fps / 30);
      break;
    case choosingRest:
      // A rest of one to two seconds, shorter as the volleys grow faster.
      Enter(resting, std::max(1, static_cast<int>((fps + RandomUpTo(fps)) / taron.shotSpeed)));
      break;
    case resting:
      taron.eyeAlpha = 0;
      if (TimerDone()) Enter(eyesLighting, fps);
      break;
    case won:
      break;
    default:
      if (Within(taron.state, mouthOpening, mouthOpeningLast)) {
        taron.eyeAlpha = 255;
        taron.state = Following(taron.state);  // one frame for each wider face; after the widest, the volley
      } else if (Within(taron.state, mouthClosing, mouthClosingLast)) {
        // The eyes dim as the mouth closes.
        taron.eyeAlpha = 255 - (StagesAfter(mouthClosing, taron.state) + 1) * 255 / 9;
        if (TimerDone()) Enter(Following(taron.state), fps / 30);  // after the last face, the rest is chosen
      }
      break;
  }
}

// The shot is inside the ship's picture.
bool ShotReachesShip(const TaronShot& shot) {
  return std::fabs(shot.x - ship.x) < ShipStrikeHalfWidth() && std::fabs(shot.y - ship.y) < ShipStrikeHalfHeight();
}

// A shot that reaches the ship costs every ball in play, and with the last one the life.
void ShipStruck() {
  taron.state = won;
  PlayEffectSound(Sound::BigExplosion, -1, -1, 5000);
  while (lists.balls.First() != nullptr) LoseBall();
}

void MoveShots() {
  int shotHeight = std::max(1, SpritePixelHeight(taronShotPicture));
  taron.shots.Reset();
  while (TaronShot* shot = taron.shots.Next()) {
    shot->x += shot->vx;
    shot->y += shot->vy;
    if (ShotReachesShip(*shot)) {
      taron.shots.Delete();
      ShipStruck();
      return;
    }
    bool gone = shot->y - shotHeight > screenHeight || shot->x < -faceSize || shot->x > screenWidth + faceSize ||
                shot->y < -faceSize;
    if (gone) taron.shots.Delete();
  }
}

void Defeated() {
  PlayEffectSound(Sound::BigExplosion, -1, -1, 5000);
  play.sceneFrozen = true;
  play.gameWon = true;
  StartLevelWonPicture(wonPictureWinner);
  taron.state = defeated;
  taron.shots.Clear();
  lists.balls.Clear();
}

// The first ball whose picture overlaps the mask's solid pixels hits: one hit a frame at most.
void TakeHits() {
  if (taron.hitCooldown > 0 || !TaronInPlay()) return;
  for (int i = 0; i < lists.balls.Count(); ++i) {
    Ball& ball = *lists.balls.At(i);
    int w = SpritePixelWidth(ball.sprite), h = SpritePixelHeight(ball.sprite);
    int left = static_cast<int>(std::lround(ball.x)) - w / 2, top = static_cast<int>(std::lround(ball.y)) - h / 2;
    if (!SpritesTouchExactly(ball.sprite, left, top, taronMask, taron.x - faceSize / 2,
                             static_cast<int>(std::lround(taron.y)) - faceSize / 2))
      continue;
    ball.vx = -ball.vx;
    ball.vy = -ball.vy;
    taron.hitCooldown = hitCooldownFrames;
    play.score += hitScore;
    taron.pulse = 0;
    taron.hitPoints -= 1;
    runCounts.bossHits += 1;
    if (taron.hitPoints <= 0) {
      Defeated();
    } else {
      PlayEffectSound(Sound::Zap, 0, 100, 10000);
    }
    return;
  }
}

}  // namespace

int ShipStrikeHalfWidth() {
  int half = SpritePixelWidth(ship.tiltSprite) / 2;
  return half > 0 ? half : ship.halfWidth;
}

int ShipStrikeHalfHeight() {
  int half = SpritePixelHeight(ship.tiltSprite) / 2;
  return half > 0 ? half : ship.halfHeight;
}

bool TaronInPlay() { return taron.state != descending && taron.state != won && taron.state != defeated; }

bool IsBossLevel() {
  return play.levelIndex == (play.difficulty == difficultyHard ? finalLevelHard : finalLevelNormal);
}

void ResetTaron() {
  taron.shots.Clear();
  taron = Taron{};
  taron.x = centreX;
}

void StepTaron() {
  if (play.restartLevel && taron.state != defeated) taron.state = won;  // a life is being lost
  if (play.gameFrozen) return;
  taron.pulse += 1;
  Advance();
  if (!play.restartLevel && taron.state != defeated) MoveShots();
  TakeHits();
  if (taron.hitCooldown > 0) taron.hitCooldown -= 1;
}

void DrawTaron() {
  float x = static_cast<float>(taron.x);
  int face = FaceFor(taron.state);
  BlendNormal();
  if (taron.state == descending || taron.state == defeated) {
    if (taron.scale > 0) DrawPictureCentred(face, x, taron.y, taron.scale, taron.scale, 255);
  } else {
    DrawPictureCentred(face, x, taron.y, faceSize, faceSize, 255);
    BlendAdditive();
    float glow = std::cos(taron.pulse / 20.0f) * 32 + faceSize;
    DrawPictureCentred(face, x, taron.y, glow, glow, 128);
  }
  if (taron.hitCooldown > 0) {
    // Added rather than laid over: the face glows red through the flash instead of vanishing under it.
    BlendAdditive();
    DrawPictureCentred(taronMask, x, taron.y, faceSize, faceSize, taron.hitCooldown * 4);
  }
  // The eye glows belong to the temple scene: drawn only when its pictures were loaded.
  if (settings.effectsEnabled && play.sceneBuilt && taron.eyeAlpha > 0 && taron.state != defeated) {
    BlendAdditive();
    float eyeY = taron.y + eyeOffsetY;
    float glow = 40 + 8 * std::sin(play.frameTick / 6.0f);
    for (int side : {-1, 1}) DrawPictureCentred(templeEyeGlow, x + side * eyeOffsetX, eyeY, glow, glow, taron.eyeAlpha);
  }
  BlendAdditive();
  taron.shots.ForEach([](const TaronShot& shot) { DrawPictureCentred(taronShotPicture, shot.x, shot.y); });
  BlendNormal();
}

