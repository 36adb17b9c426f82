// The pack loaders (not written yet).
#include "shell/Loaders.h"

void LoadMainAssets() {}
void FreeAllResources() {}
