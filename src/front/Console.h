// The pull-down console.
#pragma once

void ConsoleBanner();
void DrawConsole();
void ConsoleCommand();
