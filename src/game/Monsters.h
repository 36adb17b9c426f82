// The monsters that roam the playfield: spawning, motion, drawing, ball contact and destruction.
#pragma once

struct Ball;
struct Monster;

// Moves the monsters (every fourth frame), then gives a new monster its chance; once per frame.
void StepMonsters();
// The monsters, then the debris of those destroyed.
void DrawMonsters();
void SpawnMonsters();
// Appends a monster of `kind` at its entry point on a random side.
void AddMonster(int kind, float vx, float vy);
// Whether the ball's rim, sampled round its circle, reaches into the monster's picture box.
bool BallTouchesMonster(const Ball& ball, const Monster& monster);
// The sound and explosion of a destroyed monster (the caller deletes it; no score here).
void MonsterDestroyed(float x, float y);
// A laser shot or missile at (x, y) destroys the first monster whose picture box strictly holds the
// point; no score. Returns whether one was hit.
bool ShootMonsterAt(float x, float y);
// The picture a monster shows this frame.
int MonsterPicture(const Monster& monster);
