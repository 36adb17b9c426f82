// The console (not built yet: it closes as soon as it opens).
#include "front/Console.h"

#include "game/PlayState.h"

void ConsoleBanner() {}
void DrawConsole() {}
void ConsoleCommand() { play.consoleOpen = false; }
