#!/usr/bin/env bash
# --continue starts the saved game of the player at once: its level, score, lives and letters, from "config".
# usage: ContinueSavedGame.sh GAME
set -uo pipefail
game="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
dir="$(dirname "$game")"
ln -s "$dir/packs" "$work/packs"
[ -e "$dir/DESIB___.ttf" ] && ln -s "$dir/DESIB___.ttf" "$work/DESIB___.ttf"
cp "$game" "$work/novabouncer"

report_of() {  # runs the game with the given arguments and prints "levelIndex score lives letterMask"
  rm -f "$work/r.json"
  (cd "$work" && ./novabouncer --headless --continue --frames 600 --report r.json "$@" >"$work/log" 2>&1) ||
    fail "the run failed: $(tail -3 "$work/log")"
  python3 -c 'import json,sys; r=json.load(open(sys.argv[1])); print(r["levelIndex"], r["score"], r["lives"], r["letterMask"])' \
    "$work/r.json"
}

# Level index 7, 12345 points, 2 lives, the letters N and S (mask 4 + 1), the last chance kept,
# saved for "Player 1" (an unnamed player) and for "Ann".
saved='alpha = 1200-0438-1078-3369-0151
beta = 0000099994-0000283836-0000208636-0000148145
gamma = 1200-0423-1043-3359-0106
delta = 1200-0432-1064-3365-0133
epsilon = 1200-0420-1036-3357-0097'
printf '[Player 1]\n%s\n' "$saved" >"$work/config"
[ "$(report_of)" = "7 12345 2 5" ] || fail "Player 1's saved game was not continued: $(report_of)"
# Another player has no saved game: a new game on the first level.
[ "$(report_of Ann)" = "0 0 3 0" ] || fail "Ann continued someone else's game: $(report_of Ann)"
# A hand-edited level reads as level index 0; a damaged lives count drops the score and letters with it.
edited() { printf '[Ann]\n%s\n' "$(sed -e "$1" <<<"$saved")" >"$work/config"; }
edited 's/^alpha = 1200-0438/alpha = 1200-0441/'
[ "$(report_of Ann)" = "0 12345 2 5" ] || fail "an edited level was believed: $(report_of Ann)"
edited 's/^gamma = 1200-0423/gamma = 1200-0426/'
[ "$(report_of Ann)" = "7 0 3 0" ] || fail "a damaged lives count was believed: $(report_of Ann)"
echo "continue: the saved level, score, lives and letters come back for their player only"
