#!/usr/bin/env bash
# Builds the fuzz targets in build-fuzz/ and runs each for SECONDS (default 30) from its seeds; a crash, memory
# error, undefined behaviour, hang or runaway memory fails the run and leaves the input that caused it in
# build-fuzz/findings/. The corpus each target grows is kept in build-fuzz/corpus/ for the next run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds="${1:-30}"
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { echo "usage: ./test --fuzz SECONDS (a whole number above 0)" >&2; exit 2; }
cd "$root"
if [ ! -f build-fuzz/build.ninja ]; then
  cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
cmake --build build-fuzz -j"$(nproc)"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# A reader that leaks on bad input runs the game out of memory over time: leaks count as findings.
export ASAN_OPTIONS="detect_leaks=1"
failed=()
# target, then its seed folders: committed text seeds or the build's binary ones
while read -r target seeds; do
  corpus="build-fuzz/corpus/$target"
  findings="build-fuzz/findings/$target"
  mkdir -p "$corpus" "$findings"
  echo "== $target: $seconds s"
  # One job at a time: the machine's cores are shared.
  if ! "build-fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$corpus" $seeds >"build-fuzz/$target.log" 2>&1; then
    tail -40 "build-fuzz/$target.log"
    failed+=("$target")
  else
    grep -E "^stat::number_of_executed_units|^#[0-9]+.*DONE" "build-fuzz/$target.log" | tail -2 || true
  fi
done <<LIST
fuzz_level build-fuzz/seeds/level
fuzz_pack build-fuzz/seeds/pack
fuzz_prefs tests/fuzz/seeds/prefs
fuzz_scores tests/fuzz/seeds/scores
fuzz_journal tests/fuzz/seeds/journal
fuzz_mesh tests/fuzz/seeds/mesh
fuzz_wav build-fuzz/seeds/wav
fuzz_ogg build-fuzz/seeds/ogg
LIST
if ((${#failed[@]})); then
  echo "fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/findings/)" >&2
  exit 1
fi
echo "fuzzing: 8 targets ran $seconds s each and found nothing"
