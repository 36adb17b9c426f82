// Sugar, the tile challenge's minigame (not built yet).
#include "front/Minigames.h"

#include "game/PlayState.h"

int PlaySugar() {
  play.sugarPoints = 0;
  return 0;
}
