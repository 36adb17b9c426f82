// Sound effects as the game asks for them: only when sound is on, panned by where they happen.
#pragma once

#include "runtime/NamedMedia.h"

void PlayEffectSound(Sound sound, int pan, int volume, int frequency);  // -1 leaves a setting as it is
int PanOf(float x);  // -100 at the left wall .. 100 at the right wall
