#!/usr/bin/env bash
# End to end: the worlds of both level sets with their scenes, the 3D scenes, and the boss fight, as
# screenshots kept for people to look at; the boss must take hits from autoplay's balls.
set -euo pipefail
game="$1"
artefacts="${2:-$(pwd)/artefacts/worlds}"
mkdir -p "$artefacts"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
field() { sed -n "s/^ *\"$2\": \"\{0,1\}\([^\",]*\)\"\{0,1\},\{0,1\}$/\1/p" "$1"; }

cd "$work"
# One short look at a level: the tiles are in, the ball is in play, the scene has moved for a while.
look() {
  local set="$1" level="$2" name="$3" frame="${4:-330}"
  local option=()
  [ "$set" = hard ] && option=(--hard)
  "$game" --headless --seed 5 --autoplay --start-level "$level" "${option[@]}" --frames "$((frame + 1))" \
    --screenshot "$frame:$artefacts/$set-$(printf %02d "$level")-$name.png" --report "$name.json" > "$name.log" ||
    fail "$set level $level exited with $?"
  [ "$(field "$name.json" levelIndex)" = "$level" ] || fail "$set level $level: ended on $(field "$name.json" levelIndex)"
  [ -s "$artefacts/$set-$(printf %02d "$level")-$name.png" ] || fail "$set level $level: no screenshot"
}

look normal 0 fire-sea-3d
look normal 5 pulsar-3d
look normal 3 fire-galaxy
look normal 10 gravity-pulsar
look normal 12 milkyway
look normal 17 sun
look normal 23 earth
look normal 32 sea-rain
look normal 35 water
look normal 43 forest
look normal 78 storm
look normal 88 cave
look normal 92 heart
look hard 0 clouds
look hard 7 red-clouds
look hard 10 sea
look hard 16 psyche
look hard 22 cave
look hard 30 storm

# The boss fight: his descent, a volley, and a few minutes of autoplay against him.
shots=()
for frame in 200 520 900 1400 2000 3000; do shots+=(--screenshot "$frame:$artefacts/boss-normal-$frame.png"); done
"$game" --headless --seed 3 --autoplay --start-level 99 --frames 3600 --report boss.json "${shots[@]}" > boss.log ||
  fail "the boss run exited with $?"
[ "$(field boss.json bossHits)" -ge 3 ] || fail "the boss took only $(field boss.json bossHits) hits"
"$game" --headless --seed 4 --autoplay --start-level 50 --hard --frames 1200 --report boss-hard.json \
  --screenshot "1000:$artefacts/boss-hard-1000.png" > boss-hard.log || fail "the hard boss run exited with $?"
[ "$(field boss-hard.json levelIndex)" = 50 ] || fail "hard boss run ended on $(field boss-hard.json levelIndex)"

cp boss.json "$artefacts/"
echo "worlds: $(ls "$artefacts"/*.png | wc -l) screenshots; boss hits $(field boss.json bossHits)"
