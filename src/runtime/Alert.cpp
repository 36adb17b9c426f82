// The fatal-error message box and the program's end reason.
#include "runtime/Alert.h"

#include <cstdio>

#include "media/Media.h"
#include "runtime/Settings.h"

namespace {
std::string endReason = "end";
}  // namespace

const std::string& EndReason() { return endReason; }
void SetEndReason(const std::string& reason) { endReason = reason; }

void Alert(const std::string& text) {
  // Standard error holds the message once: a box nobody sees would print it a second time.
  std::fprintf(stderr, "Alert: %s\n", text.c_str());
  if (!NobodyToAsk()) MessageBox("Alert", text, kButtonsOk);
  if (settings.fontRegistered) UnregisterFontFile();
  SetEndReason("alert: " + text);
  EndProgram(1);
}
