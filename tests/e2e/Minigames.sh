#!/usr/bin/env bash
# End to end, headless with a fixed seed: each minigame by itself with autoplay's bot for a minute of frames, with
# screenshots; then a console session from a journal (Page Down, both unlock words, MEGACOMBO, CHANGELEVEL 20,
# Escape out of the Tetris that level 20 leads to, Page Up) whose report shows the level change.
set -euo pipefail
game="$1"
shots="${2:-$(mktemp -d)}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/Common.sh"
mkdir -p "$shots"
cd "$work"

minigame() {
  local name="$1"
  "$game" --headless --seed 3 --autoplay --minigame "$name" --frames 3600 --report "$name.json" \
    --screenshot 600:"$shots/$name-1.png" --screenshot 2400:"$shots/$name-2.png" > "$name.log" 2>&1 ||
    fail "--minigame $name exited with $? ($(tail -3 "$name.log"))"
  [ -s "$shots/$name-2.png" ] || [ "$(field "$name.json" reason)" = "screen" ] || fail "$name: no picture"
}
for name in duel tetris duck sugar; do later minigame "$name"; done
settle "a minigame run failed"

# The bots of the duel, the duck gallery and Sugar play a round to its end by themselves.
to_the_end() {
  "$game" --headless --seed 5 --autoplay --minigame "$1" --frames 40000 --report "$1-end.json" > "$1-end.log" 2>&1 ||
    fail "--minigame $1 played to its end exited with $?"
  [ "$(field "$1-end.json" reason)" = "screen" ] || fail "$1's bot never ended its round: $(field "$1-end.json" reason)"
}
for name in duel duck sugar; do later to_the_end "$name"; done
settle "a minigame played to its end failed"

cat > console.txt <<'JOURNAL'
# the console pulled down, both words, every weapon, a jump to level 20, out of Tetris, the console put away
300 keys=209
301 keys=
360 text=starfire
361 keys=28
362 keys=
370 text=megacombo
371 keys=28
372 keys=
380 text=gateway
381 keys=28
382 keys=
390 text=changelevel%2020
391 keys=28
392 keys=
700 keys=1
701 keys=
1200 keys=201
1201 keys=
JOURNAL
"$game" --headless --seed 3 --start-level 0 --frames 1400 --replay console.txt --report console.json \
  --screenshot 385:"$shots/console.png" > console.log 2>&1 || fail "the console session exited with $?"
[ "$(field console.json levelIndex)" = "20" ] || fail "the level did not change: $(cat console.json)"
echo "minigames: four bots played a minute each; the console changed the level to $(field console.json levelIndex)"
