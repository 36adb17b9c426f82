// The level's theme, background, music and animated scene.
#pragma once

void SetUpLevel();
void AnimateScene();
