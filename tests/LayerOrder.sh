#!/usr/bin/env bash
# Fails when a source includes a layer above its own, or when code outside the media layer sees a platform library.
# The layers, lowest first: base < media < runtime < game < front < shell; the pack builder (tools/) uses base only.
set -uo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root" || exit 2
layers=(base media runtime game front shell)
rank() {
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}
faults=0
fault() { echo "$1"; faults=$((faults + 1)); }

for dir in src/*/; do
  name=$(basename "$dir")
  [ "$(rank "$name")" -ge 0 ] || fault "src/$name: not a layer (${layers[*]})"
done

# Every quoted include of a layer header, as "file:line:layer".
check_tree() {  # tree, highest layer it may include
  local tree=$1 limit=$2 file line layer
  while IFS=: read -r file line layer; do
    if [ "$(rank "$layer")" -gt "$limit" ]; then
      fault "$file:$line includes $layer/, above what it may use"
    fi
  done < <(grep -rnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"(base|media|runtime|game|front|shell)/' "$tree" \
             --include='*.h' --include='*.cpp' | sed -E 's/^([^:]*):([0-9]+):.*"([a-z]+)\/$/\1:\2:\3/')
}
for name in "${layers[@]}"; do
  [ -d "src/$name" ] && check_tree "src/$name" "$(rank "$name")"
done
check_tree tools "$(rank base)"

# Platform libraries: only the media layer (and the builder, which paints and encodes) may see them; the window
# toolkit and the window system only the configuration window.
platform='SDL|SDL2/|zip\.h|vorbis/|fluidsynth|fontconfig/|curl/|pcre2|openssl/|ebur128|FL/|X11/'
while IFS= read -r hit; do
  fault "$hit: a platform library outside the media layer"
done < <(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*<($platform)" src --include='*.h' --include='*.cpp' |
           grep -v '^src/media/' | grep -vE '^src/shell/ConfigWindow\.cpp:[0-9]+:[[:space:]]*#[[:space:]]*include[[:space:]]*<(FL|X11)/')

if [ "$faults" -gt 0 ]; then
  echo "$faults include(s) run against the layer order"
  exit 1
fi
echo "layer order: every include runs downwards"
