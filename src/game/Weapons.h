// The ship's weapons: laser, missile with smoke and shrapnel, chaingun, and the fire button.
#pragma once

// Each weapon has its step, once per frame (time counted in frames), and its drawing, which changes nothing.
void HandleFireButton();
void FireLaser();
void StepLaserShots();
void DrawLaserShots();
void LaunchMissile();
// The loaded missile rising and its launcher swinging, then every missile in flight with its smoke and hits.
void StepMissiles();
void DrawMissiles();
void PickMissileTarget();
// The lock follows its tile, or moves to another one when the tile went by other means.
void StepMissileTarget();
void DrawMissileTarget();
void StartShrapnel(float x, float y);
void StepShrapnel();
void DrawShrapnel();
void EmitSmoke(float x, float y, float heading);  // behind a missile at (x, y) flying along `heading`
void StepSmoke();
void DrawSmoke();
void StepChaingun();
void DrawChaingun();
void StepBullets();
void DrawBullets();
void StepMuzzleFlashes();
void DrawMuzzleFlashes();
