// The status column (not written yet).
#include "extras/Hud.h"

void DrawPanelInset() {}
void DrawHud(const std::string&, int64_t, int, int) {}
