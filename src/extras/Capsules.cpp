// Capsules and floating words (capsules are not written yet; words are kept for a few seconds).
#include "extras/Capsules.h"

#include "play/PlayState.h"

void UpdateCapsules() {}

void UpdateEffects() {
  lists.messages.Reset();
  while (Message* message = lists.messages.Next()) {
    if (message->delay > 0) {
      message->delay -= 1;
    } else if (++message->age > 2 * framesPerSecond) {
      lists.messages.Delete();
    }
  }
}

void DrawThread() {}

void ShowMessage(const std::string& text, int delay) {
  lists.messages.Reset();
  while (lists.messages.Next() != nullptr) {
  }
  Message* message = lists.messages.Add();
  message->text = text;
  message->delay = delay;
}

void PlaceLetterAndMalus() {}
