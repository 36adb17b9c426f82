#!/usr/bin/env bash
# End to end: --audio-out records a headless game's sound: a WAV whose header agrees with its data and which
# lasts frames / 60 seconds, the same bytes for the same run, a game that plays as it does unrecorded, sound
# that is heard without ever reaching full scale (in a busy run of weapons too), the music alone when the effects
# are off at its loudness in the game, the effects alone starting where the report says the game played them,
# and clear refusals.
# usage: AudioOut.sh GAME SOUNDPROBE
set -euo pipefail
game="$(realpath "$1")"
probe="$(realpath "$2")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/Common.sh"

# Each game runs from a folder of its own (packs and font beside a copy of the program) with its own config.
dir="$(dirname "$game")"
folder() {
  mkdir -p "$work/$1"
  ln -s "$dir/packs" "$work/$1/packs"
  [ -e "$dir/DESIB___.ttf" ] && ln -s "$dir/DESIB___.ttf" "$work/$1/DESIB___.ttf"
  cp "$game" "$work/$1/novabouncer"
  printf '%s' "$2" >"$work/$1/config"
}
folder full ''
folder music 'ingame_sound = 0
'
folder effects 'ingame_music = 0
'

frames=1800
# run FOLDER NAME [options]: a headless autoplay game of level 0 with seed 3 for $frames frames.
run() {
  local where="$1" name="$2"
  shift 2
  (cd "$work" && "$work/$where/novabouncer" --headless --seed 3 --autoplay --start-level 0 --frames "$frames" \
    --report "$name.json" "$@" >"$name.out" 2>&1) || fail "$name: the run exited with $? ($(tail -2 "$work/$name.out"))"
}
later run full first --audio-out first.wav
later run full second --audio-out second.wav
later run full plain
later run music music --audio-out music.wav
later run effects effects --audio-out effects.wav
# A level that holds the chaingun and the missile, with monsters about: the busiest sound the game makes.
busy() {
  (cd "$work" && "$work/full/novabouncer" --headless --seed 7 --autoplay --start-level 40 --frames 3000 \
    --report busy.json --audio-out busy.wav >busy.out 2>&1) || fail "busy: the run exited with $? ($(tail -2 "$work/busy.out"))"
}
later busy
# The minigames' MIDI tunes, rendered through the General MIDI font, with the effects off.
tune() {
  (cd "$work" && "$work/music/novabouncer" --headless --seed 3 --autoplay --minigame "$1" --frames 1800 \
    --audio-out "$1.wav" >"$1.out" 2>&1) || fail "$1: the run exited with $? ($(tail -2 "$work/$1.out"))"
}
later tune duck
later tune sugar
settle "a recorded run failed"
cd "$work"

# measure FILE: checks the header against the data and prints "frames peak rms" (16-bit sample units).
measure() {
  python3 - "$1" <<'EOF'
import math, struct, sys
data = open(sys.argv[1], "rb").read()
def fail(why):
    sys.exit(sys.argv[1] + ": " + why)
if len(data) < 44 or data[0:4] != b"RIFF" or data[8:16] != b"WAVEfmt " or data[36:40] != b"data":
    fail("not a plain WAV")
riff, fmt, kind, channels, rate, per_second, align, bits = struct.unpack("<I I H H I I H H", data[4:8] + data[16:36])
size = struct.unpack("<I", data[40:44])[0]
if (fmt, kind, channels, rate, bits) != (16, 1, 2, 44100, 16): fail("not 16-bit stereo PCM at 44100 Hz")
if per_second != 44100 * 4 or align != 4: fail("byte rate or frame size disagree with the format")
if riff != len(data) - 8 or size != len(data) - 44: fail("header sizes %d, %d for a file of %d bytes" % (riff, size, len(data)))
samples = struct.unpack("<%dh" % (size // 2), data[44:])
peak = max(abs(s) for s in samples)
rms = math.sqrt(sum(s * s for s in samples) / len(samples))
print(size // 4, peak, int(rms))
EOF
}

measured="$(measure first.wav)" || fail "first.wav is not the WAV it should be"
read -r length peak rms <<<"$measured"
[ "$length" -eq $((frames * 44100 / 60)) ] ||
  fail "first.wav holds $length frames, not $((frames * 44100 / 60)) ($frames frames at 60 a second)"
cmp -s first.wav second.wav || fail "two identical runs recorded different sound"
[ "$(field first.json digest)" = "$(field plain.json digest)" ] || fail "recording the sound changed the game"
[ "$rms" -ge 300 ] || fail "level 0 recorded nearly silent: RMS $rms"
[ "$peak" -lt 32767 ] || fail "level 0 reached full scale"
echo "audio out: level 0, $((frames / 60)) s: peak $peak, RMS $rms of 32767; the same bytes twice, the same game"

measured="$(measure music.wav)" || fail "music.wav is not the WAV it should be"
read -r length peak rms <<<"$measured"
[ "$length" -eq $((frames * 44100 / 60)) ] || fail "music.wav holds $length frames"
[ "$rms" -ge 300 ] || fail "the music alone is not heard: RMS $rms"
cmp -s first.wav music.wav && fail "the effects were not heard: the run without them recorded the same sound"
echo "audio out: the music alone: peak $peak, RMS $rms"

# A level's music plays at volume 50, about -20 LUFS at the output; measured past its half-second fade-in.
read -r lufs truePeak samplePeak <<<"$("$probe" levels music.wav 2 30)" || fail "soundprobe could not read music.wav"
awk -v l="$lufs" 'BEGIN { exit !(l >= -22 && l <= -18) }' || fail "the music alone plays at $lufs LUFS, not within 2 LU of -20"
echo "audio out: the music alone at $lufs LUFS, true peak $truePeak dBTP"

# The effects alone: every bounce, shattered tile and caught capsule the report names is heard starting within a
# frame of the present it was played at, and nearly every sound that starts in the recording is one the game played.
"$probe" onsets effects.wav >onsets.txt || fail "soundprobe could not read effects.wav"
for kind in bounceSoundFrames tileSoundFrames capsuleSoundFrames; do
  cues="$(field effects.json "$kind")"
  [ -n "$cues" ] || fail "the effects run played no sound of $kind"
  # heard CUES: the share of the presents in CUES that have an onset from one frame before to two after.
  missed="$(awk -v cues="$cues" 'NR == FNR { onset[n++] = $1 * 60; next } END {
      k = split(cues, c, " "); miss = 0
      for (i = 1; i <= k; i++) { hit = 0; for (j = 0; j < n; j++) if (onset[j] >= c[i] - 1.5 && onset[j] <= c[i] + 2) hit = 1; miss += !hit }
      printf "%d %d", miss, k }' onsets.txt /dev/null)"
  read -r miss count <<<"$missed"
  [ $((miss * 10)) -le "$count" ] || fail "$miss of the $count sounds of $kind were not heard at their frames"
  echo "audio out: $kind: $((count - miss)) of $count heard at their frames"
done
stray="$(awk -v cues="$(field effects.json effectSoundFrames)" 'BEGIN { k = split(cues, c, " ") }
  { t = $1 * 60; hit = 0; for (i = 1; i <= k; i++) if (t >= c[i] - 1.5 && t <= c[i] + 2) hit = 1; stray += !hit; n++ }
  END { printf "%d %d", stray, n }' onsets.txt)"
read -r strays onsets <<<"$stray"
[ "$onsets" -gt 0 ] && [ $((strays * 10)) -le "$onsets" ] || fail "$strays of $onsets onsets in effects.wav match no effect the game played"
read -r lufs truePeak samplePeak <<<"$("$probe" levels effects.wav)"
echo "audio out: the effects alone at $lufs LUFS, true peak $truePeak dBTP; $strays of $onsets onsets unexplained"

# The MIDI tunes play as loud as a level's music, within 2 LU of -20 LUFS; without a General MIDI font they are
# silent by design and there is nothing to measure.
if [ -e /usr/share/sounds/sf2/TimGM6mb.sf2 ] || [ -e /usr/share/sounds/sf2/default-GM.sf2 ]; then
  for name in duck sugar; do
    read -r lufs truePeak samplePeak <<<"$("$probe" levels "$name.wav" 3 30)" || fail "soundprobe could not read $name.wav"
    awk -v l="$lufs" 'BEGIN { exit !(l >= -22 && l <= -18) }' || fail "the $name tune plays at $lufs LUFS, not near -20"
    echo "audio out: the $name tune at $lufs LUFS, true peak $truePeak dBTP"
  done
else
  echo "audio out: no General MIDI font, so the minigames' tunes are not measured"
fi

# The busy run: weapons, explosions and monsters over the music, never at full scale.
measured="$(measure busy.wav)" || fail "busy.wav is not the WAV it should be"
read -r length peak rms <<<"$measured"
[ "$peak" -lt 32767 ] || fail "the busy run reached full scale"
[ "$(field busy.json missilesLaunched)" -gt 0 ] || fail "the busy run launched no missile"
read -r lufs truePeak samplePeak <<<"$("$probe" levels busy.wav)"
echo "audio out: a busy run at $lufs LUFS, peak $samplePeak dBFS (true peak $truePeak dBTP)"

# A recording that cannot be made stops the run at once with the reason; one file for two purposes is refused.
status=0
"$work/full/novabouncer" --headless --frames 10 --audio-out "$work/missing/out.wav" >refused.out 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "an unwritable --audio-out ended with status $status"
grep -q "cannot write the sound recording $work/missing/out.wav" refused.out || fail "no clear message: $(cat refused.out)"
status=0
"$work/full/novabouncer" --headless --frames 10 --record same.wav --audio-out same.wav >refused.out 2>&1 || status=$?
[ "$status" -eq 2 ] && grep -q "same file" refused.out || fail "--audio-out over the --record file was not refused"
echo "audio out: unwritable and doubly used files are refused"
