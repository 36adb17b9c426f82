// Drawing the balls: the ball pictures, their pulsing halos, and the fire trail (and its flicker) while the fire ball burns.
#include <algorithm>
#include <cmath>

#include "base/Rounding.h"
#include "game/ExtrasDraw.h"
#include "media/Media.h"
#include "game/Balls.h"
#include "game/PlayState.h"
#include "runtime/Alert.h"
#include "runtime/SoundCues.h"

namespace {

constexpr int fireFrames = 900;  // a fire capsule burns this long; the trail fades in and out at its ends

int Spread(int max) {
  int a = RandomUpTo(max);
  int b = RandomUpTo(max);
  return a - b;
}

void DrawBallPicture(const Ball& ball) {
  if (!HasQuad(ball.sprite)) return;
  int w = SpritePixelWidth(ball.sprite), h = SpritePixelHeight(ball.sprite);
  ZoomQuad(ball.sprite, static_cast<float>(w), static_cast<float>(h));
  float left = static_cast<float>(RoundToInt(ball.x - w / 2.0f)), top = static_cast<float>(RoundToInt(ball.y - h / 2.0f));
  DrawQuadAlpha(ball.sprite, left, top, ball.stuck ? 128 : 255);
}

// The flares follow one another, each shaken a little; the brightness flickers, and fades in and out with
// the fire's time, as does its crackle.
void StepFireTrail(Ball& ball) {
  for (int i = 9; i >= 1; --i) {
    ball.trail[i].x = ball.trail[i - 1].x + Spread(i);
    ball.trail[i].y = ball.trail[i - 1].y + Spread(i);
  }
  ball.trail[0].x = ball.x;
  ball.trail[0].y = ball.y;
  int alpha = 180 + RandomUpTo(64);
  if (play.frameTick % 120 == 0) {
    int pan = RandomUpTo(200) - 100;
    int volume = 50 + RandomUpTo(50);
    PlayEffectSound(Sound::Fire, pan, volume, 20000);
  }
  if (play.fireTimer < 100) {
    alpha = play.fireTimer;
    SetSoundVolume(Sound::Fire, std::max(0, play.fireTimer));
  } else if (play.fireTimer > fireFrames - 100) {
    alpha = fireFrames - play.fireTimer;
    SetSoundVolume(Sound::Fire, std::max(0, alpha));
  }
  ball.trailAlpha = alpha;
  for (TrailPoint& point : ball.trail) point.turn = static_cast<float>(RandomUpTo(360));
}

void DrawFireTrail(const Ball& ball) {
  QuadBlendMode(Blend::Add);
  for (const TrailPoint& point : ball.trail) {
    DrawPictureCentred(point.sprite, point.x, point.y, point.size, point.size, ball.trailAlpha, point.turn);
  }
  QuadBlendMode(Blend::Alpha);
}

void DrawHalo(const Ball& ball) {
  float pulse = ball.radius * std::sin(play.frameTick / 10.0f);
  auto turn = static_cast<float>((8 * play.frameTick) % 360);
  float big = 4 * ball.radius + pulse, small = 4 * ball.radius - pulse;
  DrawPictureCentred(haloPicture, ball.x, ball.y, big, big, 255, turn);
  DrawPictureCentred(haloPicture, ball.x, ball.y, small, small, 255, turn);
}

}  // namespace

void StepFireTrails() {
  // The fire timer itself runs down with the capsules' clock, once per unfrozen frame.
  for (int i = 0; i < lists.balls.Count(); ++i) StepFireTrail(*lists.balls.At(i));
}

void DrawBalls() {
  QuadBlendMode(Blend::Alpha);
  lists.balls.ForEach([](const Ball& ball) { DrawBallPicture(ball); });
  if (play.fireOn) {
    lists.balls.ForEach([](const Ball& ball) { DrawFireTrail(ball); });
    return;
  }
  QuadBlendMode(Blend::Add);
  lists.balls.ForEach([](const Ball& ball) { DrawHalo(ball); });
  QuadBlendMode(Blend::Alpha);
}
