// Local score tables and the online score client.
#pragma once

void LoadLocalScores();
void SaveLocalScore();
int FetchLiveScores();  // 1 when the table came
void SubmitLiveScore();
