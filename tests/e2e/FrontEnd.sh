#!/usr/bin/env bash
# End to end through the screens around play, headless with a fixed seed: start-up, the logos, the menu (a
# journal moves the cursor onto "start game" and clicks), the intro, a level lost to the last ball, the
# game-over screen and the menu again; then autoplay alone from the logos to the menu's high-score tables;
# then every screen by itself, and a round of each minigame played to its end by its bot. Screenshots of each
# screen are kept in the folder given as the second argument.
set -euo pipefail
game="$1"
shots="${2:-$(mktemp -d)}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/Common.sh"
mkdir -p "$shots"
cp -r "$(dirname "$game")/." "$work/"
rm -f "$work/config" "$work"/packs/scores*.pak
cd "$work"

# The journal: the logos and the menu's intro pass untouched; the cursor glides from (200, 200) onto the
# letters of "start game" and clicks. From then on a click every 150 frames goes through the intro and every
# lost ball, while the ship is held against the left wall so that every ball is lost, the last chance too.
{
  echo "# cursor onto start game, click"
  for f in $(seq 2000 2009); do echo "$f mouse=24,21"; done
  echo "2010 mouse=0,0"
  echo "2020 buttons=1"
  echo "2021 buttons=0"
  for f in $(seq 2300 150 40000); do echo "$f mouse=-200,0 buttons=1"; echo "$((f + 1)) mouse=0,0 buttons=0"; done
} > journal.txt
./novabouncer --headless --seed 3 --frames 42000 --replay journal.txt --report front.json \
  --screenshot 300:"$shots/logo-emblem.png" --screenshot 1100:"$shots/logo-game.png" \
  --screenshot 1650:"$shots/logo-publisher.png" --screenshot 1990:"$shots/menu.png" \
  --screenshot 2030:"$shots/menu-selected.png" > front.log || fail "the journal run exited with $?"
[ "$(field front.json gamesEnded)" -ge 1 ] || fail "no game ended: $(cat front.json)"
[ "$(field front.json lastGameCause)" = "lives gone" ] || fail "the game ended by $(field front.json lastGameCause)"
[ "$(field front.json reason)" = "end" ] || fail "the run ended by $(field front.json reason)"

# Autoplay alone: it waits through the logos, lets the menu show both tables, then starts a game.
./novabouncer --headless --seed 3 --autoplay --frames 4200 --report auto.json \
  --screenshot 2200:"$shots/menu-local-scores.png" --screenshot 2500:"$shots/menu-live-scores.png" \
  > auto.log || fail "the autoplay run exited with $?"
grep -q "autoplay: the menu showed both high-score tables" auto.log || fail "autoplay never saw the tables"

# Each screen by itself, as a player would see it.
for screen in intro:700 ending:1000 gameover:250 credits:900 menu:500; do
  name="${screen%%:*}" frame="${screen##*:}"
  ./novabouncer --headless --seed 3 --screen "$name" --frames "$((frame + 1))" \
    --screenshot "$frame:$shots/screen-$name.png" > "$name.log" || fail "--screen $name exited with $?"
done
for picture in "$shots"/*.png; do [ -s "$picture" ] || fail "no picture in $picture"; done
echo "front end: the journal's game, autoplay's tables and $(ls "$shots" | wc -l) screenshots"
