// The fatal-error message that ends the program, and the reason the program ends with.
#pragma once

#include <string>

// Tells the player (and standard error), then ends the program with a failure status; the
// program-end hook still runs, so the run report names the alert.
[[noreturn]] void Alert(const std::string& text);

// Why the program is ending: "end" until something says otherwise (an alert, a quit, a signal).
const std::string& EndReason();
void SetEndReason(const std::string& reason);
