#!/usr/bin/env bash
# Idle benchmark on a private Xvfb: how often an idle Hue Keeper wakes up. The program
# starts with its window active and the Long field focused; then nobody touches it.
# Counted with strace over 5 s windows: the system calls of all threads (each wake-up
# makes a few). Target: none once the caret has rested (10 s after the last key or click);
# no timer of the picker runs while no pick does.
#
#   bench/idle.sh [BUILD_FOLDER]      (default: build)
#
# Prints one JSON line per window. Exits 0 whether or not the target is met; 1 on errors.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
program=$build/huekeeper
[ -x "$program" ] || { echo "idle.sh: build $program first" >&2; exit 1; }
for tool in Xvfb strace xdotool; do
  command -v "$tool" >/dev/null || { echo "idle.sh: $tool is needed" >&2; exit 1; }
done

work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & wm=$!; fi

cp "$program" "$work/"
# Per-user folders of its own: a copy the user runs would otherwise take the hand-over.
export HOME=$work XDG_RUNTIME_DIR=$work
chmod 700 "$work"
# No session bus: nothing of ours needs one while idle.
env -u DBUS_SESSION_BUS_ADDRESS "$work/huekeeper" >/dev/null 2>&1 &
app=$!
xdotool search --sync --onlyvisible --name '^Hue Keeper$' >/dev/null

count() {  # wake-ups of every thread of the program during $1 seconds
  timeout "$1" strace -f -qq -p "$app" -o "$work/trace" 2>/dev/null || true
  grep -v -c -e 'resumed>' -e 'restart_syscall' "$work/trace" || true
}
echo "{\"window\": \"first 5 s, caret blinking\", \"system_calls\": $(count 5)}"
sleep 6
echo "{\"window\": \"5 s after the caret rested\", \"system_calls\": $(count 5)}"
