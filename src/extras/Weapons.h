// The ship's weapons: laser, missile with smoke and shrapnel, chaingun, and the fire button.
#pragma once

void HandleFireButton();
void FireLaser();
void UpdateLaserShots();
void LaunchMissile();
void UpdateMissiles();
void PickMissileTarget();
void DrawMissileTarget();
void UpdateSmoke();
void UpdateShrapnel();
void UpdateChaingun();
void UpdateBullets();
void UpdateMuzzleFlashes();
