// Loading pictures and sounds from the packs in their fixed order, and freeing a scene's resources.
#pragma once

void LoadMainAssets();
void FreeAllResources();
