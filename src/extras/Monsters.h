// The monsters that roam the playfield.
#pragma once

void UpdateMonsters();
