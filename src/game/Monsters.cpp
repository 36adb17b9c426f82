// The monsters: spawning under the level's limits, the five kinds' motion and pictures, ball contact.
#include "game/Monsters.h"

#include <cmath>

#include "game/ExtrasDraw.h"
#include "game/ExtrasState.h"
#include "media/Media.h"
#include "game/PlayState.h"
#include "game/TileHits.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

constexpr int kindDrifter = drifterPictures, kindHopper = hopperPictures, kindBlinker = blinkerPictures;
constexpr int kindShipSeeker = shipSeekerPictures, kindBallSeeker = ballSeekerPictures;

float Fresh() { return RandomUpTo(10000) / 10000.0f; }

float Length(float x, float y) {
  float d = std::sqrt(x * x + y * y);
  return d == 0 ? 0.0001f : d;
}

bool MovesThisFrame() {
  return (play.frameTick & 3) == 1 && !play.gameFrozen && !play.levelEnding && !play.sceneFrozen;
}

void Wander(Monster& m) {
  m.x += m.vx;
  m.y += m.vy;
  if (m.wanderTimer < 1) {
    m.wanderTimer = RandomUpTo(1000) + 1;
    m.vx = (RandomUpTo(1000) - RandomUpTo(1000)) / 1000.0f;
    m.vy = (RandomUpTo(1000) - RandomUpTo(1000)) / 1000.0f;
  }
  m.wanderTimer -= 1;
  float hw = PictureWidth(m.kind) / 2.0f, hh = PictureHeight(m.kind) / 2.0f;
  if (m.x - hw <= fieldLeft + 40) {
    m.x += 1;
    m.vx = -m.vx;
    m.wanderTimer += 100;
  }
  if (m.x + hw >= fieldRight - 40) {
    m.x -= 1;
    m.vx = -m.vx;
    m.wanderTimer += 100;
  }
  if (m.y - hh <= fieldTop) {
    m.y += 1;
    m.vy = -m.vy;
    m.wanderTimer += 100;
  }
  if (m.y + hh >= fieldBottom) {
    m.y -= 1;
    m.vy = -m.vy;
    m.wanderTimer += 100;
  }
}

void Move(Monster& m) {
  // Entering, a monster only glides in from its side.
  if (m.entrySteps >= 1) {
    m.x += m.vx;
    m.entrySteps -= 1;
    return;
  }
  if (m.kind == kindShipSeeker) {
    m.x += m.vx;
    // It stops descending 100 pixels above the ship but keeps steering.
    if (m.y < ship.y - 100) m.y += m.vy;
    float d = Length(ship.x - m.x, ship.y - m.y);
    m.vx = (ship.x - m.x) / d * 2;
    m.vy = (ship.y - m.y) / d * 2;
  } else if (m.kind == kindBallSeeker) {
    m.x += m.vx;
    m.y += m.vy;
    // With no ball in play it keeps its last velocity.
    const Ball* ball = lists.balls.At(0);
    if (ball != nullptr) {
      float d = Length(ball->x - m.x, ball->y - m.y);
      m.vx = (ball->x - m.x) / d * 4;
      m.vy = (ball->y - m.y) / d * 4;
    }
  } else {
    Wander(m);
  }
}

bool StrictlyInside(const Monster& m, float px, float py) {
  int picture = MonsterPicture(m);
  float hw = PictureWidth(picture) / 2.0f, hh = PictureHeight(picture) / 2.0f;
  return px > m.x - hw && px < m.x + hw && py > m.y - hh && py < m.y + hh;
}

}  // namespace

int MonsterPicture(const Monster& m) {
  int tick = play.frameTick;
  switch (m.kind) {
    case kindDrifter: {
      // The picture shows which way it drifts.
      int picture = static_cast<int>(std::floor(m.vx * 7.5f + kindDrifter + 7.5f));
      return picture < kindDrifter ? kindDrifter : (picture > kindDrifter + 15 ? kindDrifter + 15 : picture);
    }
    case kindHopper:
    case kindShipSeeker:
      return m.kind + (tick & 15);
    case kindBallSeeker:
      return m.kind + (tick & 31);
    case kindBlinker:
      // It animates in short bursts only.
      return (tick & 256) && (tick & 255) < 16 ? m.kind + (tick & 15) : m.kind;
    default:
      return m.kind;
  }
}

void AddMonster(int kind, float vx, float vy) {
  int w = PictureWidth(kind), h = PictureHeight(kind);
  OrderedList<Monster>& monsters = extras.monsters;
  Monster* m = monsters.Append();
  m->kind = kind;
  m->frame = 0;
  m->y = h / 2.0f + 30;
  m->vy = vy;
  m->entrySteps = w + 40;
  m->wanderTimer = w;
  // It waits wholly outside the wall it comes through, so nothing of it shows before it glides in.
  if (RandomUpTo(1) == 0) {
    m->x = fieldRight + w / 2.0f;
    m->vx = -vx;
  } else {
    m->x = fieldLeft - w / 2.0f;
    m->vx = vx;
  }
}

void SpawnMonsters() {
  if (play.gameFrozen || play.levelEnding || play.sceneFrozen) return;
  if (extras.monsters.Count() >= play.maxMonsters) return;
  if (RandomUpTo(10) != 1) return;
  if (extras.spawnPeriod <= 0 || play.frameTick % extras.spawnPeriod != 1) return;
  int choice = RandomUpTo(4);
  static const int bits[] = {1, 2, 4, 8, 16};
  if ((extras.monsterKindsAllowed & bits[choice]) == 0) return;
  switch (choice) {
    case 0: AddMonster(kindDrifter, 1.0f, Fresh() + 1.0f); break;
    case 1: {
      float vx = Fresh() + 2.0f;
      AddMonster(kindHopper, vx, Fresh() + 1.0f);
      break;
    }
    case 2: {
      float vx = Fresh() + 1.0f;
      AddMonster(kindShipSeeker, vx, Fresh() + 1.0f);
      break;
    }
    case 3: {
      float vx = Fresh() + 2.0f;
      AddMonster(kindBallSeeker, vx, Fresh() + 2.0f);
      break;
    }
    default: {
      float vx = Fresh() + 1.0f;
      AddMonster(kindBlinker, vx, Fresh() + 1.0f);
      break;
    }
  }
}

void StepMonsters() {
  bool moving = MovesThisFrame();
  extras.monsters.Reset();
  while (Monster* m = extras.monsters.Next()) {
    if (moving) Move(*m);
  }
  SpawnMonsters();
}

void DrawMonsters() {
  BlendNormal();
  extras.monsters.ForEach([](const Monster& m) { DrawPictureCentred(MonsterPicture(m), m.x, m.y); });
  DrawMonsterExplosions();
}

void MonsterDestroyed(float x, float y) {
  PlayEffectSound(Sound::Zap, 0, 30, 40000);
  AddExplosion(x, y, 0, ExplosionLayer::Monsters);
  runCounts.monstersDestroyed += 1;
}

bool ShootMonsterAt(float x, float y) {
  extras.monsters.Reset();
  while (Monster* m = extras.monsters.Next()) {
    if (!StrictlyInside(*m, x, y)) continue;
    MonsterDestroyed(m->x, m->y);
    extras.monsters.Delete();
    return true;
  }
  return false;
}

bool BallTouchesMonster(const Ball& ball, const Monster& m) {
  float r = ball.radius > 0 ? ball.radius : 1.0f;
  float step = static_cast<float>(M_PI) / r * 4;
  float limit = 2 * static_cast<float>(M_PI) + step;
  int picture = MonsterPicture(m);
  float hw = PictureWidth(picture) / 2.0f, hh = PictureHeight(picture) / 2.0f;
  for (float a = 0; a < limit; a += step) {
    float px = std::round(ball.x - std::sin(a) * r);
    float py = std::round(ball.y - std::cos(a) * r);
    if (m.x - hw <= px && px < m.x + hw && m.y - hh <= py && py < m.y + hh) return true;
  }
  return false;
}
