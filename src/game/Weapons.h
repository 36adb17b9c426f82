// The ship's weapons: laser, missile with smoke and shrapnel, chaingun, and the fire button.
#pragma once

void HandleFireButton();
void FireLaser();
void UpdateLaserShots();
void LaunchMissile();
void UpdateMissiles();
void PickMissileTarget();
void DrawMissileTarget();
void StartShrapnel(float x, float y);
void UpdateShrapnel();
void EmitSmoke(float x, float y, float heading);  // behind a missile at (x, y) flying along `heading`
void UpdateSmoke();
void UpdateChaingun();
void UpdateBullets();
void UpdateMuzzleFlashes();
