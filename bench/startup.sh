#!/usr/bin/env bash
# Start-up benchmark on a real X server (a private Xvfb): time from process start to
# the first mapped window, and resident memory, of Hue Keeper with an archive of
# 10,000 colours against a bare Qt 6 Widgets window, both measured in the same run,
# turn about. Target: Hue Keeper within 1.3 times the bare window's time, and its
# resident memory within 6 MiB of the bare window's.
#
#   bench/startup.sh [BUILD_FOLDER]      (default: build)
#
# The bare window is measured twice: empty (the yardstick of the targets) and showing
# one line of text ("bare_window_text"), which also loads the fonts; the second tells
# how much of the difference is only text.
#
# Environment: RUNS (15), COLOURS (10000), SETTLE_MS (1000: how long after the first
# map the memory is read again). Prints JSON lines: one per program with medians,
# then the comparison. Exits 0 whether or not the targets are met; 1 on errors.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${RUNS:-15}
colours=${COLOURS:-10000}
settle=${SETTLE_MS:-1000}

program=$build/huekeeper
bare=$build/bench/bare_window
probe=$build/bench/startup_probe
for f in "$program" "$bare" "$probe"; do
  if [ ! -x "$f" ]; then
    echo "startup.sh: $f is missing; build it first:" >&2
    echo "  cmake --build $build --target huekeeper bare_window startup_probe" >&2
    exit 1
  fi
done
for tool in Xvfb perl; do
  command -v "$tool" >/dev/null || { echo "startup.sh: $tool is needed" >&2; exit 1; }
done

# With dbus-x11 installed and no session bus, Qt waits about 3 s for one at start;
# a private session bus avoids that for both programs alike.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-launch >/dev/null &&
   [ -z "${HK_STARTUP_IN_BUS:-}" ] && command -v dbus-run-session >/dev/null; then
  HK_STARTUP_IN_BUS=1 exec dbus-run-session -- "$0" "$build"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/hk-startup-XXXXXX")
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# A private display; Xvfb writes its number once it accepts clients.
mkfifo "$work/display"
exec {displayfd}<>"$work/display"
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp -noreset \
  >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 -u "$displayfd" number || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
exec {displayfd}<&-
export DISPLAY=:$number
unset QT_QPA_PLATFORM

# Each program in a folder of its own; Hue Keeper with its archive beside it:
# 29-byte records, a little-endian Long colour and a 25-byte space-padded name.
mkdir -p "$work/huekeeper" "$work/bare"
cp "$program" "$work/huekeeper/huekeeper"
cp "$bare" "$work/bare/bare_window"
perl -e 'for my $i (0 .. $ARGV[0] - 1) {
           print pack("l<A25", ($i * 2654435761) % 16777216, sprintf("Colour %05d", $i));
         }' "$colours" >"$work/huekeeper/Colorx.dat"

# One measured start, with fresh per-user folders so no run sees another's traces
# (the programs are killed after the measurement and write nothing themselves).
run=0
measure() {
  run=$((run + 1))
  local home=$work/home.$run
  mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
  HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
    XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime \
    "$probe" "$settle" "$@"
  rm -rf "$home"
}

# A number from a JSON object of the probe.
field() { sed -n "s/.*\"$1\": \([0-9.]*\).*/\1/p"; }
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One start of each first, unmeasured: the libraries into the page cache.
measure "$work/huekeeper/huekeeper" >/dev/null
measure "$work/bare/bare_window" >/dev/null
measure "$work/bare/bare_window" --text >/dev/null
: >"$work/huekeeper.jsonl"
: >"$work/bare.jsonl"
: >"$work/bare_text.jsonl"
for ((i = 0; i < runs; i++)); do
  measure "$work/huekeeper/huekeeper" >>"$work/huekeeper.jsonl"
  measure "$work/bare/bare_window" >>"$work/bare.jsonl"
  measure "$work/bare/bare_window" --text >>"$work/bare_text.jsonl"
done

summary() {  # NAME FILE EXTRA
  local f=$2
  printf '{"program": "%s"%s, "runs": %d, "median_map_ms": %s, "min_map_ms": %s, "max_map_ms": %s, "median_rss_at_map_kib": %s, "median_rss_kib": %s, "median_hwm_kib": %s}\n' \
    "$1" "$3" "$(wc -l <"$f")" \
    "$(field map_ms <"$f" | median)" "$(field map_ms <"$f" | sort -n | head -1)" \
    "$(field map_ms <"$f" | sort -n | tail -1)" "$(field rss_at_map_kib <"$f" | median)" \
    "$(field rss_kib <"$f" | median)" "$(field hwm_kib <"$f" | median)"
}
summary huekeeper "$work/huekeeper.jsonl" ", \"archive_colours\": $colours"
summary bare_window "$work/bare.jsonl" ""
summary bare_window_text "$work/bare_text.jsonl" ""

hk_ms=$(field map_ms <"$work/huekeeper.jsonl" | median)
bare_ms=$(field map_ms <"$work/bare.jsonl" | median)
text_ms=$(field map_ms <"$work/bare_text.jsonl" | median)
hk_rss=$(field rss_kib <"$work/huekeeper.jsonl" | median)
bare_rss=$(field rss_kib <"$work/bare.jsonl" | median)
text_rss=$(field rss_kib <"$work/bare_text.jsonl" | median)
awk -v a="$hk_ms" -v b="$bare_ms" -v t="$text_ms" -v ra="$hk_rss" -v rb="$bare_rss" -v rt="$text_rss" 'BEGIN {
  ratio = a / b; diff = (ra - rb) / 1024
  printf "{\"comparison\": \"huekeeper vs bare_window\", \"time_ratio\": %.3f, \"time_target_ratio\": 1.3, \"time_met\": %s, \"rss_diff_mib\": %.2f, \"rss_target_mib\": 6, \"rss_met\": %s, \"time_ratio_vs_text\": %.3f, \"rss_diff_vs_text_mib\": %.2f}\n",
    ratio, (ratio <= 1.3 ? "true" : "false"), diff, (diff <= 6 ? "true" : "false"), a / t, (ra - rt) / 1024
}'
