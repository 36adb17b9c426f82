# Shared by the end-to-end scripts (sourced): failing with a message, reading a report field, and running
# independent games side by side, two at a time (E2E_JOBS changes that).

fail() { echo "FAILED: $*" >&2; exit 1; }

# field FILE NAME: the value of "NAME" in a report, without quotes.
field() { sed -n "s/^ *\"$2\": \"\{0,1\}\([^\",]*\)\"\{0,1\},\{0,1\}$/\1/p" "$1"; }

pending=()
pendingFailed=0
# later COMMAND...: runs the command (a function that fails through `fail`) in the background once a slot is free.
later() {
  while [ "$(jobs -rp | wc -l)" -ge "${E2E_JOBS:-2}" ]; do wait -n || pendingFailed=1; done
  "$@" &
  pending+=("$!")
}
# settle: waits for everything started with `later`; fails when any of it failed (its own message came first).
settle() {
  local pid
  for pid in "${pending[@]}"; do wait "$pid" || pendingFailed=1; done
  pending=()
  [ "$pendingFailed" -eq 0 ] || fail "$1"
}
