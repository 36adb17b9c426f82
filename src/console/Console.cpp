// The console (not built yet: it closes as soon as it opens).
#include "console/Console.h"

#include "play/PlayState.h"

void ConsoleBanner() {}
void DrawConsole() {}
void ConsoleCommand() { play.consoleOpen = 0; }
