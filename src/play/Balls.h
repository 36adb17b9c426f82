// The balls: creation, gluing to the ship, motion with all their contacts, drawing, loss.
#pragma once

void AddBall(float x, float y, float vx, float vy, float radius, int sprite);
void GlueAllBalls(int frames);
void ReleaseGluedBalls();
void UpdateBalls();
void DrawBalls();
void LoseBall();
