// Level themes and scenes (not built yet: the background stays black).
#include "play/Scene.h"

#include "media/Media.h"

void SetUpLevel() {}
void AnimateScene() { ClearFrame(0); }
