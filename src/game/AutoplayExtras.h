// What the machine player does about falling capsules and the weapons it holds.
#pragma once

struct AutoplayPlan;

// Moves the plan's ship target under a falling capsule while no ball needs the ship, and presses fire
// for the laser, a loaded missile and the chaingun (whose crosshair it steers through the same mouse).
void PlanCapsulesAndWeapons(AutoplayPlan& plan);
// On the boss level while Taron can be hit: his face is what the bounces aim at.
bool AutoplayBossAim(float& aimX, float& aimY);
