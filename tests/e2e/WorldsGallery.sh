#!/usr/bin/env bash
# End to end: the worlds of both level sets with their scenes, the 3D scenes, and the boss fight, as
# screenshots kept for people to look at; the boss must take hits from autoplay's balls. The games run two at
# a time.
set -euo pipefail
game="$1"
artefacts="${2:-$(pwd)/artefacts/worlds}"
mkdir -p "$artefacts"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/Common.sh"

cd "$work"
# One short look at a level: the tiles are in, the ball is in play, the scene has moved for a while.
look() {
  local set="$1" level="$2" name="$3" frame="${4:-330}"
  local option=() shot
  [ "$set" = hard ] && option=(--hard)
  shot="$artefacts/$set-$(printf %02d "$level")-$name.png"
  "$game" --headless --seed 5 --autoplay --start-level "$level" "${option[@]}" --frames "$((frame + 1))" \
    --screenshot "$frame:$shot" --report "$set-$name.json" > "$set-$name.log" ||
    fail "$set level $level exited with $?"
  [ "$(field "$set-$name.json" levelIndex)" = "$level" ] ||
    fail "$set level $level: ended on $(field "$set-$name.json" levelIndex)"
  [ -s "$shot" ] || fail "$set level $level: no screenshot"
}

# The boss fight: his descent, a volley, and a few minutes of autoplay against him.
boss() {
  local shots=() frame
  for frame in 200 520 900 1400 2000 3000; do shots+=(--screenshot "$frame:$artefacts/boss-normal-$frame.png"); done
  "$game" --headless --seed 3 --autoplay --start-level 99 --frames 3600 --report boss.json "${shots[@]}" > boss.log ||
    fail "the boss run exited with $?"
  [ "$(field boss.json bossHits)" -ge 3 ] || fail "the boss took only $(field boss.json bossHits) hits"
  cp boss.json "$artefacts/"
}

hard_boss() {
  "$game" --headless --seed 4 --autoplay --start-level 50 --hard --frames 1200 --report boss-hard.json \
    --screenshot "1000:$artefacts/boss-hard-1000.png" > boss-hard.log || fail "the hard boss run exited with $?"
  [ "$(field boss-hard.json levelIndex)" = 50 ] || fail "hard boss run ended on $(field boss-hard.json levelIndex)"
}

# An earlier run's pictures must not pass for this one's.
rm -f "$artefacts"/*.png
# The longest first, so that the looks fill the other slot.
later boss

later look normal 0 fire-sea-3d
later look normal 5 pulsar-3d
later look normal 3 fire-galaxy
later look normal 10 gravity-pulsar
later look normal 12 milkyway
later look normal 17 sun
later look normal 23 earth
later look normal 32 sea-rain
later look normal 35 water
later look normal 43 forest
later look normal 78 storm
later look normal 88 cave
later look normal 92 heart
later look hard 0 clouds
later look hard 7 red-clouds
later look hard 10 sea
later look hard 16 psyche
later look hard 22 cave
later look hard 30 storm

later hard_boss
settle "the worlds gallery is incomplete"
echo "worlds: $(ls "$artefacts"/*.png | wc -l) screenshots; boss hits $(field boss.json bossHits)"
