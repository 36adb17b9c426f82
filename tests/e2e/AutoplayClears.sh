#!/usr/bin/env bash
# End to end: autoplay clears normal level 0 and a level of moving tiles, teleporters and multi-hit tiles
# within a frame budget, the won picture builds, every autoplay run replays from its own input to the same
# digest, and screenshots of play and of the won picture are kept as test artefacts. The two levels run side
# by side. (That a longer game from the first level keeps going is ExtrasRun's long run: the same seed and
# start, and further.)
set -euo pipefail
game="$1"
artifacts="$2"
mkdir -p "$artifacts"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/Common.sh"

# Frame budgets with seed 3: level 0 ("First Wall") and level 98 ("Last Light": spinning rings,
# a teleporter pair, a three-hit core, gravity) each won and left within 7200 frames (two minutes of play,
# the 480-frame won picture included). The budget guards against a stuck autoplay, not its speed: how long
# a level takes follows every change to where things start, and level 0 takes 4000 to 5700 frames.
budget=7200
cd "$work"

# One level: autoplay plays it, then a replay of its input without autoplay takes the screenshots.
play_level() {
  local level="$1" name="$2"
  "$game" --headless --seed 3 --autoplay --start-level "$level" --frames "$budget" --record "$name.txt" \
    --report "$name.json" > "$name.out" || fail "$name: the autoplay run exited with $?"
  local reached won left
  reached="$(field "$name.json" levelIndex)"
  [ "$reached" -gt "$level" ] || fail "$name: level index $level not cleared within $budget frames (still on $reached)"
  won="$(sed -n "s/^autoplay: level index $level won at frame \([0-9]*\) with [0-9]* lives$/\1/p" "$name.out")"
  # The run may go on into the next level (after 98 comes the boss): only the cleared level counts here.
  local lives
  lives="$(sed -n "s/^autoplay: level index $level won at frame [0-9]* with \([0-9]*\) lives$/\1/p" "$name.out")"
  [ -n "$lives" ] && [ "$lives" -ge 3 ] || fail "$name: a life was lost"
  left="$(sed -n "s/^autoplay: level index $level left at frame \([0-9]*\)$/\1/p" "$name.out")"
  [ -n "$won" ] && [ -n "$left" ] || fail "$name: the won picture was not shown and clicked through"
  # The picture takes 480 frames to scan (72 x 20 pixels, 3 a frame) and its balls fly 40 more.
  [ $((left - won)) -ge 480 ] || fail "$name: the picture was left after $((left - won)) frames, before it was built"
  echo "$name: level index $level won at frame $won, the won picture left at frame $left"

  # Pictures of an earlier run must not pass for this one's.
  rm -f "$artifacts/$name-play.png" "$artifacts/$name-won-building.png" "$artifacts/$name-won.png"
  "$game" --headless --seed 3 --start-level "$level" --frames "$budget" --replay "$name.txt" --report "$name-replay.json" \
    --screenshot "$((won - 300)):$artifacts/$name-play.png" \
    --screenshot "$((won + 240)):$artifacts/$name-won-building.png" \
    --screenshot "$((left - 1)):$artifacts/$name-won.png" > /dev/null || fail "$name: the replay exited with $?"
  [ "$(field "$name.json" digest)" = "$(field "$name-replay.json" digest)" ] ||
    fail "$name: the replay without autoplay ended in another state"
  for shot in play won-building won; do
    [ -s "$artifacts/$name-$shot.png" ] || fail "$name: no screenshot $name-$shot.png"
  done
  echo "$name: cleared, the won picture built, the replay reached the same digest, 3 screenshots"
}

later play_level 0 normal00
later play_level 98 normal98
settle "a level was not cleared as it should be"
echo "autoplay clears: both levels passed; screenshots in $artifacts"
