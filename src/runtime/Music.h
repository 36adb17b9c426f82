// The music on its sound slot: fading it out and in, stopping it.
#pragma once

void FadeOutMusic();
void FadeInMusic();
void StopMusic();
