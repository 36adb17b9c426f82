#!/usr/bin/env bash
# End to end: long autoplay runs in which capsules are caught, every weapon fires and monsters die, with
# the counts in the report and screenshots of the extras in action kept as artefacts. The two runs go side by
# side.
set -euo pipefail
game="$1"
artefacts="${2:-$(pwd)/artefacts/extras}"
mkdir -p "$artefacts"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/Common.sh"
positive() { [ "$(field "$1" "$2")" -gt 0 ] || fail "$1: $2 is $(field "$1" "$2")"; }

cd "$work"
# An earlier run's pictures must not pass for this one's.
rm -f "$artefacts"/*.png

# Ten minutes of play from the first level: several levels, capsules, the laser, the thread, monsters. Seed 3
# and level 0 are AutoplayClears' first level: its 6000 frames are the start of this game.
long() {
  local shots=() frame
  for frame in 3000 6000 9000 12000 15000 20000 25000 30000; do shots+=(--screenshot "$frame:$artefacts/long-$frame.png"); done
  "$game" --headless --seed 3 --autoplay --start-level 0 --frames 36000 --report long.json "${shots[@]}" > long.log ||
    fail "the long run exited with $?"
  [ "$(field long.json reason)" = "end" ] || fail "long run: reason $(field long.json reason)"
  [ "$(field long.json levelIndex)" -ge 3 ] || fail "long run: only reached level index $(field long.json levelIndex)"
  for count in tilesDestroyed capsulesCaught laserShots monstersDestroyed; do positive long.json "$count"; done
  cp long.json "$artefacts/"
}

# A level that holds the chaingun and the missile.
arms() {
  local shots=() frame
  for frame in $(seq 1200 100 2000); do shots+=(--screenshot "$frame:$artefacts/arms-$frame.png"); done
  "$game" --headless --seed 7 --autoplay --start-level 40 --frames 3000 --report arms.json "${shots[@]}" > arms.log ||
    fail "the weapons run exited with $?"
  for count in capsulesCaught missilesLaunched bulletsFired; do positive arms.json "$count"; done
  cp arms.json "$artefacts/"
}

later long
later arms
settle "an extras run failed"
echo "extras runs: $(grep -h -E 'capsulesCaught|laserShots|missilesLaunched|bulletsFired|monstersDestroyed' long.json arms.json | tr -d ' \n')"
