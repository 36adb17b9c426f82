// The music on sound 0: fading it out and in, stopping it.
#pragma once

void FadeOutMusic();
void FadeInMusic();
void StopMusic();
