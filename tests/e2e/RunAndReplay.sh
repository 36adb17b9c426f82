#!/usr/bin/env bash
# End to end: a headless run ends cleanly with a sensible report and a screenshot, and a recorded run
# replays frame for frame to the same digest and the same journal.
set -euo pipefail
game="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/Common.sh"

cat > "$work/scenario.txt" <<'JOURNAL'
# steer right, launch, pause and resume, type a little
100 mouse=3,0
160 mouse=0,0 buttons=1
161 buttons=0
300 keys=25
301 keys=
400 keys=25
401 keys=
450 text=hello%20world
JOURNAL

cd "$work"
"$game" --headless --seed 7 --start-level 0 --frames 600 --replay scenario.txt --record a.txt --report a.json \
  --screenshot 599:shot.png || fail "the first run exited with $?"
"$game" --headless --seed 7 --start-level 0 --frames 600 --replay a.txt --record b.txt --report b.json || fail "the replay exited with $?"

[ "$(field a.json reason)" = "end" ] || fail "reason $(field a.json reason)"
[ "$(field a.json frames)" = "600" ] || fail "frames $(field a.json frames)"
[ "$(field a.json lives)" = "3" ] || fail "lives $(field a.json lives)"
digest="$(field a.json digest)"
[ ${#digest} -eq 16 ] || fail "digest '$digest'"
[ "$digest" = "$(field b.json digest)" ] || fail "the replay's digest differs"
cmp -s a.txt b.txt || fail "the replay recorded a different journal"
grep -q '^450 text=hello%20world$' a.txt || fail "typed text missing from the journal"
[ -s shot.png ] || fail "no screenshot"

# Recorded as in a window: a clock that ticks unevenly, and the focus lost in the middle of play, which the
# game waits through. The journal keeps the wait, so a plain headless replay steps the game in the same
# frames and comes to the same digest.
"$game" --headless --uneven-clock --lose-focus 240:40 --seed 5 --autoplay --start-level 0 --frames 350 --record w.txt \
  --report w.json >/dev/null || fail "the recording with a focus loss exited with $?"
grep -q '^240 focus=0$' w.txt && grep -q '^280 focus=1$' w.txt || fail "the focus loss is not in the journal"
"$game" --headless --seed 5 --start-level 0 --frames 350 --replay w.txt --report wr.json || fail "the replay exited with $?"
[ "$(field w.json digest)" = "$(field wr.json digest)" ] || fail "the replay of a focus loss has another digest"

# Odd command lines get a clear message and a failure status, never a crash.
if "$game" --headless --frames nope 2>err.txt; then fail "--frames nope was accepted"; fi
grep -q "frames" err.txt || fail "no message for a bad --frames"
# A journal that cannot be replayed: one message naming it, a failure status, and no run without input.
if "$game" --headless --frames 60 --replay missing.txt 2>err.txt; then fail "a missing journal was accepted"; fi
[ "$(grep -c . err.txt)" = 1 ] && grep -q "missing.txt" err.txt || fail "not one message for a missing journal: $(cat err.txt)"
mkdir folder
if "$game" --headless --frames 60 --replay folder 2>err.txt; then fail "a folder was replayed"; fi
grep -q "folder" err.txt || fail "no message for a folder given as journal"
if "$game" --headless --frames 60 --replay a.txt --record "$work/a.txt" 2>err.txt; then fail "the journal replayed was overwritten"; fi
cmp -s a.txt b.txt || fail "a refused --record changed the journal"
echo "run and replay: 17 checks passed"
