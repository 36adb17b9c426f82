// The ship's weapons: the fire button (serve, laser, glue release, missile launch); the weapons themselves come later.
#include "extras/Weapons.h"

#include "media/Media.h"
#include "play/Balls.h"
#include "play/PlayState.h"
#include "shell/Settings.h"
#include "shell/Shell.h"

namespace {

bool FireHeld() {
  return PointerButton(1) || KeyHeld(Key::Enter) || (settings.joystickEnabled && (joystick0.buttons & 1));
}

}  // namespace

void HandleFireButton() {
  if (FireHeld() && !play.gameFrozen && !play.levelWon) {
    if (play.servePending && !play.launchBlocked) {
      PlayEffectSound(11, PanOf(ship.x), 100, 70000);
      ReleaseGluedBalls();
    }
    if (play.laserOn) FireLaser();
    if (play.glueOn && !play.servePending && !play.launchBlocked) {
      PlayEffectSound(11, PanOf(ship.x), 100, 70000);
      play.glueHoldFrames = 0;
      lists.balls.Reset();
      while (Ball* ball = lists.balls.Next()) ball->stuck = 0;
    }
    if (play.missileArmed && play.missileCountdown == 0) LaunchMissile();
  }
  if (play.laserCooldown > 0) play.laserCooldown -= 1;
}

void FireLaser() {}
void UpdateLaserShots() {}
void LaunchMissile() {}
void UpdateMissiles() {}
void PickMissileTarget() {}
void DrawMissileTarget() {}
void UpdateSmoke() {}
void UpdateShrapnel() {}
void UpdateChaingun() {}
void UpdateBullets() {}
void UpdateMuzzleFlashes() {}
