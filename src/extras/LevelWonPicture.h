// The picture that celebrates a won level: its word built out of flying balls.
#pragma once

void StartLevelWonPicture();
void DrawLevelWonPicture();
