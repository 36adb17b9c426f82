// What the machine player does about falling capsules and the weapons it holds.
#pragma once

struct AutoplayPlan;

// Moves the plan's ship target under a falling capsule while no ball needs the ship, and presses fire
// for the laser, a loaded missile and the chaingun (whose crosshair it steers through the same mouse).
void PlanCapsulesAndWeapons(AutoplayPlan& plan);
