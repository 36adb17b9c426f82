#!/usr/bin/env bash
# The configuration window on a virtual display: a typed name is filtered and stored with the switches, the
# password never is, other players' saved games survive; Escape ends the program and writes nothing.
# usage: ConfigWindow.sh GAME [ARTEFACTS_DIR]   (exits 77, skipped, without Xvfb and xdotool)
set -uo pipefail
game="$(realpath "$1")"
artefacts="${2:-}"
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: skipped"; exit 77; }
done
work="$(mktemp -d)"
xvfb=""
cleanup() {
  pkill -f "^$work/novabouncer" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {  # with what the program said, for a failure that only comes on a loaded machine
  echo "FAIL: $*"
  for log in "$work"/run*.log "$work/xvfb.log"; do [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -20 "$log"; }; done
  exit 1
}

# The game runs from its own folder: the packs and the font beside a copy of the program, a config of its own.
dir="$(dirname "$game")"
ln -s "$dir/packs" "$work/packs"
[ -e "$dir/DESIB___.ttf" ] && ln -s "$dir/DESIB___.ttf" "$work/DESIB___.ttf"
cp "$game" "$work/novabouncer"
printf 'ingame_music = 0\nflip_method = 1\n[Someone]\nalpha = 0100-0200-0300-0400-0500\n' >"$work/config"

exec 3>"$work/display"
# -noreset: by default the server starts over each time its last client leaves, and a program that connects
# while it does so is refused ("Can't open display"), which a loaded machine makes likely.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"
export SDL_AUDIODRIVER=dummy
# A loaded machine may name the display before it takes connections: the program is started once it answers.
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "the display $DISPLAY does not answer"

window_up() {  # waits for the window of the game started as PID, gives it the keyboard and prints its id
  local pid="$1" id=""
  for _ in $(seq 300); do  # up to 30 s: the other end-to-end runs share the machine
    id="$(xdotool search --name "Novabouncer 3 Meridian Prestige" 2>/dev/null | head -1)"
    [ -n "$id" ] && break
    kill -0 "$pid" 2>/dev/null || return 1  # the game ended without a window: no use waiting
    sleep 0.1
  done
  [ -n "$id" ] || return 1
  sleep 1.2  # the fade in
  xdotool windowfocus --sync "$id"
  echo "$id"
}

# Typed into the boxes: the name keeps letters, digits, blanks and - ! ?; the password goes nowhere on disk.
(cd "$work" && exec ./novabouncer >"$work/run1.log" 2>&1) &
id="$(window_up $!)" || fail "no configuration window"
if [ -n "$artefacts" ] && command -v import >/dev/null; then
  mkdir -p "$artefacts" && import -window root "$artefacts/config-window.png" 2>/dev/null
fi
xdotool mousemove --window "$id" 200 264 click 1 key ctrl+a BackSpace type "Ann_a1 <x>!"
xdotool mousemove --window "$id" 200 284 click 1 type "p w@d"
xdotool key Return
for _ in $(seq 100); do grep -q '^player_name' "$work/config" && break; sleep 0.1; done
pkill -f "^$work/novabouncer" ; sleep 0.5
grep -qx 'player_name = Anna1 x!' "$work/config" || fail "the name was not stored filtered: $(grep player_name "$work/config")"
grep -q 'pwd\|p w@d' "$work/config" && fail "the password reached the file"
grep -q fullscreen_switch "$work/config" && fail "fullscreen_switch was added"
grep -qx 'ingame_music = 0' "$work/config" && grep -qx 'ingame_sound = 1' "$work/config" || fail "the switches were not stored"
grep -qx 'alpha = 0100-0200-0300-0400-0500' "$work/config" || fail "another player's saved game was lost"
grep -qx '\[Someone\]' "$work/config" || fail "another player's group was lost"

# Escape (as the close box) ends the program at once and writes nothing.
cp "$work/config" "$work/config.before"
(cd "$work" && ./novabouncer >"$work/run2.log" 2>&1; echo $? >"$work/rc2") &
id="$(window_up $!)" || fail "no configuration window the second time"
xdotool key Escape
for _ in $(seq 50); do [ -s "$work/rc2" ] && break; sleep 0.1; done
[ "$(cat "$work/rc2" 2>/dev/null)" = 0 ] || fail "Escape did not end the program cleanly ($(cat "$work/rc2" 2>/dev/null))"
cmp -s "$work/config" "$work/config.before" || fail "closing the window changed the config"
echo "configuration window: name filtered and stored, password kept off the disk, closing writes nothing"
