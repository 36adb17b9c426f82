// The game's step: every system's changes of one frame, in the order the game runs them.
#pragma once

// One frame of play: the ship's steering, the scene and the boss, tiles, thread, missiles, smoke,
// chaingun, the leaving ship, capsules, monsters, effects, laser, explosions, shrapnel, bullets, muzzle
// flashes, the missile's lock, the balls, the cleared level, the fire trails, a new lock, the lost ball's
// sparkles, the fire button and the won picture. Nothing is drawn; time counts in frames.
void StepPlay();
// One frame of the level intro, while the tiles slide in: the scene and the boss, the leaving ship,
// the effects and the tiles.
void StepLevelIntro();
struct Ball;

// The ball against every monster: a touched monster sends it off as its kind does, scores 5 and dies.
void BallHitsMonsters(Ball& ball);
// The balls' frame: motion and tiles, the monsters they touch, then ship, walls, gravity, watchdog and
// teleporters.
void StepBalls();
