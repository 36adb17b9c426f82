// The two level scenes drawn by the 3D renderer: a sea of fire (normal level 1) and a burning star (normal level 6).
#pragma once

// Makes the current level's 3D objects, registered as scene resources (nothing for other levels).
void BuildScene3D();
// The 3D world's own animation time moves on a frame while the level's scene stands; once per frame.
void StepScene3D();
// Poses this frame's 3D scene by play.frameTick and draws it into the current viewport (with the effects on).
void DrawScene3D();
// True when the level (normal set) has a 3D scene.
bool HasScene3D(int difficulty, int levelIndex);
