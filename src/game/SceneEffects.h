// The level's background scene: its pictures loaded from the scene pack, and their animation each frame.
#pragma once

// Loads the scene pack's pictures of the current level: the theme's own picture and the boss's
// always, the scene's only when `withEffects`.
void LoadScenePictures(bool withEffects);
// Draws this frame of the scene over the background picture (effects on and the scene built).
void DrawSceneEffects();
