// Capsules: falling, catching and every kind's effect, the malus, bigger balls, the letter and malus of a level, the thread.
#include "game/Capsules.h"

#include <cmath>
#include <vector>

#include "game/ExtrasDraw.h"
#include "game/ExtrasState.h"
#include "media/Media.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "game/Taron.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

constexpr int capsuleHalf = 16;  // capsules are 32 × 32 pixels
constexpr int malusFrames = 10 * framesPerSecond;
constexpr int fireFrames = 15 * framesPerSecond;
constexpr int threadFrames = 30 * framesPerSecond;

bool Running() { return !play.gameFrozen && !play.levelEnding; }

float BallMass(float radius) { return radius * radius * radius * 12.566371f / 3.0f; }

void SetBallSize(Ball& ball, float radius, int sprite) {
  ball.radius = radius;
  ball.sprite = sprite;
  ball.mass = BallMass(radius);
}

// A ball split off by TRIPLE is made like any new ball but clears no room around it: it is made
// far off the playfield, where there is nothing to clear, and then put in its place.
void AddSplitBall(float x, float y, float vx, float vy, float radius, int sprite) {
  Ball& ball = AddBall(-1000, -1000, vx, vy, radius, sprite);
  ball.x = ball.prevX = x;
  ball.y = ball.prevY = y;
  for (TrailPoint& point : ball.trail) {
    point.x = x;
    point.y = y;
  }
}

// Two more balls for every ball in play, at a third of a turn on either side of its flight.
void TripleBalls() {
  std::vector<Ball> before;
  lists.balls.ForEach([&](const Ball& ball) { before.push_back(ball); });
  for (const Ball& ball : before) {
    float speed = std::sqrt(ball.vx * ball.vx + ball.vy * ball.vy);
    if (speed == 0) speed = 0.001f;
    float ux = ball.vx / speed, uy = ball.vy / speed;
    // The angle of the flight measured from straight down, 0..2π.
    float theta = std::acos(std::fmax(-1.0f, std::fmin(1.0f, uy)));
    if (ux < 0) theta = 2.0f * static_cast<float>(M_PI) - theta;
    for (float turn : {2.09f, 4.18f}) {
      float a = theta + turn;
      // New balls go to the end of the list, so that they are not split again by this catch.
      AddSplitBall(ball.x + 2 * ball.radius * std::sin(a), ball.y + 2 * ball.radius * std::cos(a),
                         speed * std::sin(a), speed * std::cos(a), ball.radius, ball.sprite);
    }
  }
}

void SwitchLaserOff() { play.laserOn = false; }

// What any catch takes away before the caught kind acts.
void Cancellations(int kind) {
  if (!IsLetterCapsule(kind)) SwitchLaserOff();
  if (play.glueOn) {
    lists.balls.Reset();
    while (Ball* ball = lists.balls.Next()) ball->stuck = false;
    play.glueHoldFrames = 0;
    play.glueOn = false;
  }
  if (kind != capsuleEnlarge) play.enlargeOn = false;
}

void Bonus(int points, const char* word) {
  play.score += points;
  ShowMessage(word, 0);
}

void ApplyCatch(int kind) {
  switch (kind) {
    case capsuleTriple:
      Bonus(50, "TRIPLE");
      PlayEffectSound(Sound::BonusCaught, -1, 100, -1);
      TripleBalls();
      break;
    case capsuleEnlarge:
      Bonus(20, "ENLARGE");
      if (!play.enlargeOn) {
        PlayEffectSound(Sound::Shimmer, 0, 100, 20000);
        play.enlargeOn = true;
        play.enlargeStep = 10;  // straight to the widest shape
      }
      break;
    case capsuleFire:
      Bonus(200, "FIRE");
      PlayEffectSound(Sound::Fire, 0, 100, 20000);
      play.fireOn = true;
      play.fireTimer = fireFrames;
      break;
    case capsuleLaser:
      Bonus(30, "LASER");
      PlayEffectSound(Sound::BonusCaught, -1, 100, -1);
      play.laserOn = true;
      break;
    case capsuleGlue:
      Bonus(20, "GLUE");
      PlayEffectSound(Sound::BonusCaught, -1, 100, -1);
      play.glueOn = true;
      break;
    case capsuleMissile:
      // The chaingun and the missile exclude each other.
      if (play.chaingunActive) break;
      Bonus(100, "MISSILE");
      if (!play.missileArmed) {
        PlayEffectSound(Sound::MissileLoading, 0, 100, 10000);
        play.missileArmed = true;
        play.missileCountdown = 150;
      }
      break;
    case capsuleDoor:
      Bonus(50, "DOOR IS OPEN");
      PlayEffectSound(Sound::Shimmer, 0, 100, 15000);
      play.doorOpen = true;
      break;
    case capsuleRow:
      Bonus(40, "ROW");
      PlayEffectSound(Sound::BonusCaught, -1, 100, -1);
      play.threadOn = true;
      play.threadPhase = -255;  // fades in
      break;
    case capsuleBigger:
      Bonus(50, "BIGGER");
      PlayEffectSound(Sound::BonusCaught, -1, 100, -1);
      GrowBalls();
      break;
    case capsuleChaingun:
      if (play.missileArmed) break;
      Bonus(300, "CHAINGUN");
      PlayEffectSound(Sound::BonusCaught, -1, 100, -1);
      play.chaingunActive = 1;
      extras.chaingun.ammo = 10;
      extras.chaingun.ammoMax = 10;
      extras.chaingun.ammoPerClip = 10 / 5;
      break;
    case capsuleExtraLife:
      Bonus(1000, "EXTRA LIFE!");
      PlayEffectSound(Sound::ExtraLife, 0, 100, 20000);
      play.lives += 1;
      break;
    case capsuleMalus:
      play.malusKind = RandomUpTo(4);
      play.malusTimer = malusFrames;
      PlayEffectSound(Sound::Tilt, 0, 100, 20000);
      ApplyMalus();
      break;
    case capsuleLetterB:
    case capsuleLetterO:
    case capsuleLetterN:
    case capsuleLetterU:
    case capsuleLetterS: {
      PlayEffectSound(Sound::Chimes, -1, 100, -1);
      static const int bits[] = {letterB, letterO, letterN, letterU, letterS};
      play.letterMask |= bits[(kind - capsuleLetterB) / 16];
      play.score += 100;
      break;
    }
    default:
      break;  // a number the level files should not hold: caught for nothing
  }
}

void Catch(const Capsule& capsule) {
  runCounts.capsulesCaught += 1;
  Cancellations(capsule.kind);
  ApplyCatch(capsule.kind);
  // Once all five letters are held, every catch is worth a bonus until the level ends.
  if (play.letterMask == allLetters) Bonus(1000, "BONUS!");
  // The caught capsule's ghost rises and fades in half a second.
  SpawnEffect({.sprite = static_cast<float>(capsule.kind + capsule.frame),
               .x = capsule.x,
               .y = capsule.y,
               .vy = -0.5f,
               .alphaStep = -255.0f / (framesPerSecond / 2),
               .lifetime = framesPerSecond / 2});
}

bool Caught(const Capsule& capsule) {
  int left = static_cast<int>(std::lround(capsule.x)) - capsuleHalf;
  int right = static_cast<int>(std::lround(capsule.x)) + capsuleHalf;
  int bottom = static_cast<int>(std::lround(capsule.y)) + capsuleHalf;
  if (bottom < ship.y - ship.halfHeight) return false;
  float shipLeft = ship.x - ship.halfWidth, shipRight = ship.x + ship.halfWidth;
  return (left >= shipLeft && left <= shipRight) || (right >= shipLeft && right <= shipRight);
}

// The fire ball burns out after its time; its crackle fades in at the start and out at the end.
void RunFireTimer() {
  if (!play.fireOn || !Running()) return;
  play.fireTimer -= 1;
  if (play.fireTimer < 100) {
    SetSoundVolume(Sound::Fire, play.fireTimer < 0 ? 0 : play.fireTimer);
  } else if (play.fireTimer > fireFrames - 100) {
    SetSoundVolume(Sound::Fire, fireFrames - play.fireTimer);
  }
  if (play.fireTimer <= 0) {
    play.fireTimer = 0;
    play.fireOn = false;
  }
}

}  // namespace

void StepCapsules() {
  if (Running()) {
    if (play.malusTimer >= 1) {
      play.malusTimer -= 1;
    } else {
      play.malusKind = 0;
    }
  }
  RunFireTimer();
  lists.capsules.Reset();
  while (Capsule* capsule = lists.capsules.Next()) {
    if ((play.frameCounter & 7) == 1) capsule->frame = (capsule->frame + 1) & 15;
    if (Running()) capsule->y += 1.0f;
    if (capsule->y > fieldBottom) {
      lists.capsules.Delete();
      continue;
    }
    if (!Caught(*capsule)) continue;
    Capsule caught = *capsule;
    lists.capsules.Delete();
    Catch(caught);
  }
}

void DrawCapsules() {
  BlendNormal();
  lists.capsules.ForEach([](const Capsule& capsule) {
    int picture = capsule.kind + capsule.frame;
    DrawQuad(picture, capsule.x - PictureWidth(picture) / 2, capsule.y - PictureHeight(picture) / 2);
  });
}

void ReleaseCapsule(float x, float y, int kind) {
  if (kind == 0) return;
  Capsule* capsule = lists.capsules.Append();
  capsule->x = x;
  capsule->y = y;
  capsule->kind = kind;
  capsule->frame = 0;
}

namespace {

// From the tile at a random index on, the first breakable tile without a capsule gets `kind`.
void HideCapsule(int kind) {
  int count = lists.tiles.Count();
  int start = RandomUpTo(count - 1);
  if (kind == 0) return;
  for (int i = start; i < count; ++i) {
    Tile* tile = lists.tiles.At(i);
    // A letter in an unbreakable tile or a teleporter could never come out.
    if (tile->capsule == 0 && IsBreakableTile(tile->sprite)) {
      tile->capsule = kind;
      return;
    }
  }
}

}  // namespace

namespace {

// The timed levels (the last chance, the bonus level) and the boss's level hold neither letter nor malus. The
// level's own number decides: the boss level's countdown is only set once its theme is loaded, after the tiles.
bool LevelTakesLetterAndMalus() {
  if (lists.tiles.Count() < 6 || play.bonusTimeLimit != 0) return false;
  return !IsBossLevel() && play.levelIndex != lastChanceLevel && play.levelIndex != bonusLevel;
}

}  // namespace

void PlaceLetterAndMalus() {
  if (!LevelTakesLetterAndMalus()) return;
  int letter = 0;
  static const int order[][2] = {{letterB, capsuleLetterB}, {letterO, capsuleLetterO}, {letterN, capsuleLetterN},
                                 {letterU, capsuleLetterU}, {letterS, capsuleLetterS}};
  for (const auto& [bit, kind] : order) {
    if ((play.letterMask & bit) == 0) {
      letter = kind;
      break;
    }
  }
  HideCapsule(letter);
  HideCapsule(capsuleMalus);
}

void ApplyMalus() {
  play.threadOn = false;
  play.fireOn = false;
  play.enlargeOn = false;
  lists.balls.Reset();
  while (Ball* ball = lists.balls.Next()) SetBallSize(*ball, 8, ball16Picture);
  switch (play.malusKind) {
    case 0:
      ShowMessage("LUCKY!", 0);
      break;
    case 1:
      ShowMessage("MIRROR", 0);  // the ship reads its input mirrored while the malus lasts
      break;
    case 2:
      ShowMessage("REVERSE", 0);
      lists.balls.Reset();
      while (Ball* ball = lists.balls.Next()) {
        ball->vx = -ball->vx;
        ball->vy = -ball->vy;
      }
      break;
    case 3:
      ShowMessage("MICROBALL", 0);
      lists.balls.Reset();
      while (Ball* ball = lists.balls.Next()) SetBallSize(*ball, 4, ball8Picture);
      break;
    case 4: {
      ShowMessage("FASTER", 0);
      Ball* last = lists.balls.At(lists.balls.Count() - 1);
      if (last != nullptr) {
        last->vx *= 1.5f;
        last->vy *= 1.5f;
        LimitBallSpeed(*last);
      }
      break;
    }
    default:
      break;
  }
}

void GrowBalls() {
  lists.balls.Reset();
  while (Ball* ball = lists.balls.Next()) {
    if (ball->radius < 8) {
      SetBallSize(*ball, 8, ball16Picture);
    } else if (ball->radius < 16) {
      SetBallSize(*ball, 16, ball32Picture);
    } else if (ball->radius < 40) {
      SetBallSize(*ball, 40, ball80Picture);
    } else {
      SetBallSize(*ball, 80, ball160Picture);
    }
    float r = ball->radius;
    for (int i = 0; i < 10; ++i) {
      if (i < 3) {
        ball->trail[i].size = r * 4 + RandomUpTo(8);
      } else if (i < 6) {
        ball->trail[i].size = r * 5 + RandomUpTo(8);
      } else {
        ball->trail[i].size = r * 7 + RandomUpTo(16);
      }
    }
    if (ball->x < fieldLeft + r) ball->x = fieldLeft + r;
    if (ball->x > fieldRight - r) ball->x = fieldRight - r;
    if (ball->y < fieldTop + r) ball->y = fieldTop + r;
    // A burst: the ball's own picture swells and fades around it.
    SpawnEffect({.sprite = static_cast<float>(ball->sprite),
                 .x = ball->x,
                 .y = ball->y,
                 .scaleStep = 0.08f,
                 .alpha = 160,
                 .alphaStep = -8,
                 .lifetime = 20});
  }
}

void StepThread() {
  if (!play.threadOn) return;
  if (play.threadPhase < 0) {
    if (Running()) play.threadPhase += 10;
    if (play.threadPhase >= 0) play.threadPhase = threadFrames;
  } else {
    if (Running()) play.threadPhase -= 1;
    if (play.threadPhase <= 0) {
      play.threadPhase = 0;
      play.threadOn = false;
    }
  }
  if (Running()) extras.threadAnimation += 0.5f;
}

void DrawThread() {
  if (!play.threadOn) return;
  // Fading in the phase counts up from -255 to 0; fading out the last 255 frames of its time.
  int alpha = 255;
  if (play.threadPhase < 0) {
    alpha = play.threadPhase + 255;
  } else if (play.threadPhase <= 255) {
    alpha = play.threadPhase;
  }
  int picture = threadPictures + static_cast<int>(extras.threadAnimation) % threadPictureFrames;
  BlendNormal();
  for (int x = fieldLeft; x <= fieldRight - 1; x += 128) DrawQuadAlpha(picture, x, fieldBottom - 126, alpha);
}
