#!/usr/bin/env bash
# Start-up benchmark on a real X server (a private Xvfb): time from process start to
# the first mapped window, and resident memory, of Hue Keeper with archives of several
# sizes against a bare Qt 6 Widgets window, all measured in the same run, turn about.
#
#   bench/startup.sh [BUILD_FOLDER]      (default: build)
#
# The bare window is measured twice: empty ("bare_window") and showing one line of
# text ("bare_window_text"), which also loads the fonts; the second tells how much of
# a difference is only text.
#
# Two modes, on the same Xvfb:
#   bare  the X server alone, no window manager: the first map is the program's own
#         top-level window.
#   wm    openbox runs as the window manager, as on a desktop: it reparents the window
#         into its frame, and the first map on the root is that frame's (the first
#         thing the user sees). Skipped, with a word on stderr, without openbox.
#
# In each mode, one start of every program (Hue Keeper at every size) comes first,
# unmeasured; then RUNS rounds, each starting Hue Keeper once per archive size, then
# the bare window, then the bare window with text. Every program runs from a folder
# of its own (Hue Keeper's with its Colorx.dat of that size) and with fresh per-user
# folders at each start. Memory is the resident set SETTLE_MS after the first map.
#
# Targets (Hue Keeper against the bare windows, medians):
#   wm,   1,000,000 colours: time within 1.3 times bare_window's, memory within 16 MiB
#   wm,      10,000 colours: time within 1.05 times bare_window's
#   bare,    10,000 colours: time within 1.2 times bare_window_text's, memory within
#                            4 MiB of it
# Other modes and sizes are reported with no target (null).
#
# Environment:
#   RUNS (11)       measured rounds per mode
#   SIZES ("10000 100000 1000000")  archive sizes in colours; COLOURS, if set and
#                   SIZES is not, is taken as the one size
#   MODES ("bare wm")
#   SETTLE_MS (1000)  how long after the first map the memory is read again
#   TABLE           a file for the Markdown table; without it the table follows the
#                   JSON on stdout
#
# Prints JSON lines: per mode, one per program and size with medians, then one
# comparison per size; then a Markdown table of the comparisons. Exits 0 whether or
# not the targets are met; 1 on errors.
set -euo pipefail
set -o errtrace
trap 'exit 1' ERR  # every failure ends the script with 1

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${RUNS:-11}
if [ -n "${SIZES:-}" ]; then
  sizes=$SIZES
elif [ -n "${COLOURS:-}" ]; then
  sizes=$COLOURS
else
  sizes="10000 100000 1000000"
fi
modes=${MODES:-bare wm}
settle=${SETTLE_MS:-1000}
table=${TABLE:-}

for size in $sizes; do
  [[ $size =~ ^[0-9]+$ ]] || { echo "startup.sh: bad archive size '$size'" >&2; exit 1; }
done
for mode in $modes; do
  [[ $mode == bare || $mode == wm ]] || { echo "startup.sh: unknown mode '$mode'" >&2; exit 1; }
done
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "startup.sh: bad RUNS '$runs'" >&2; exit 1; }

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
# a private session bus avoids that for all programs alike.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-launch >/dev/null &&
   [ -z "${HK_STARTUP_IN_BUS:-}" ] && command -v dbus-run-session >/dev/null; then
  HK_STARTUP_IN_BUS=1 exec dbus-run-session -- "$0" "$build"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/hk-startup-XXXXXX")
xvfb_pid=
wm_pid=
stop_wm() {
  if [ -n "$wm_pid" ]; then
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
    wm_pid=
  fi
}
cleanup() {
  stop_wm
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

# openbox with its stock settings (its per-user folders are private ones), ready once
# it has announced itself on the root window.
start_wm() {
  local home=$work/wm
  mkdir -p "$home"
  if command -v xprop >/dev/null; then
    xprop -root -remove _NET_SUPPORTING_WM_CHECK 2>/dev/null || true
  fi
  HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
    XDG_CACHE_HOME=$home/cache openbox --sm-disable >>"$work/openbox.log" 2>&1 &
  wm_pid=$!
  if command -v xprop >/dev/null; then
    local i
    for ((i = 0; i < 200; i++)); do
      kill -0 "$wm_pid" 2>/dev/null || break
      if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        return 0
      fi
      sleep 0.05
    done
  else
    sleep 2
    kill -0 "$wm_pid" 2>/dev/null && return 0
  fi
  echo "startup.sh: openbox did not start:" >&2
  cat "$work/openbox.log" >&2
  exit 1
}

# Each program in a folder of its own; Hue Keeper with its archive beside it, one
# folder per size: 29-byte records, a little-endian Long colour and a 25-byte
# space-padded name. The colours are distinct (an odd multiplier modulo 2^24).
mkdir -p "$work/bare"
cp "$bare" "$work/bare/bare_window"
for size in $sizes; do
  mkdir -p "$work/huekeeper.$size"
  cp "$program" "$work/huekeeper.$size/huekeeper"
  perl -e 'for my $i (0 .. $ARGV[0] - 1) {
             print pack("l<A25", ($i * 2654435761) % 16777216, sprintf("Colour %05d", $i));
           }' "$size" >"$work/huekeeper.$size/Colorx.dat"
done

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

summary() {  # MODE NAME FILE EXTRA
  local f=$3
  printf '{"mode": "%s", "program": "%s"%s, "runs": %d, "median_map_ms": %s, "min_map_ms": %s, "max_map_ms": %s, "median_rss_at_map_kib": %s, "median_rss_kib": %s, "median_hwm_kib": %s}\n' \
    "$1" "$2" "$4" "$(wc -l <"$f")" \
    "$(field map_ms <"$f" | median)" "$(field map_ms <"$f" | sort -n | head -1)" \
    "$(field map_ms <"$f" | sort -n | tail -1)" "$(field rss_at_map_kib <"$f" | median)" \
    "$(field rss_kib <"$f" | median)" "$(field hwm_kib <"$f" | median)"
}

# The targets of a mode and size: time ratio and memory difference against the bare
# window, then against the bare window with text; "null" where there is none.
targets() {  # MODE SIZE
  case "$1:$2" in
    wm:1000000) echo "1.3 16 null null" ;;
    wm:10000) echo "1.05 null null null" ;;
    bare:10000) echo "null null 1.2 4" ;;
    *) echo "null null null null" ;;
  esac
}

: >"$work/rows"
measured_modes=0
for mode in $modes; do
  if [ "$mode" = wm ]; then
    if ! command -v openbox >/dev/null; then
      echo "startup.sh: openbox is not installed; mode wm skipped" >&2
      continue
    fi
    start_wm
  else
    stop_wm
  fi
  measured_modes=$((measured_modes + 1))

  # One start of each first, unmeasured: the libraries and archives into the page cache.
  for size in $sizes; do
    measure "$work/huekeeper.$size/huekeeper" >/dev/null
  done
  measure "$work/bare/bare_window" >/dev/null
  measure "$work/bare/bare_window" --text >/dev/null

  out=$work/$mode
  for size in $sizes; do : >"$out.huekeeper.$size.jsonl"; done
  : >"$out.bare.jsonl"
  : >"$out.bare_text.jsonl"
  for ((i = 0; i < runs; i++)); do
    for size in $sizes; do
      measure "$work/huekeeper.$size/huekeeper" >>"$out.huekeeper.$size.jsonl"
    done
    measure "$work/bare/bare_window" >>"$out.bare.jsonl"
    measure "$work/bare/bare_window" --text >>"$out.bare_text.jsonl"
  done

  for size in $sizes; do
    summary "$mode" huekeeper "$out.huekeeper.$size.jsonl" ", \"archive_colours\": $size"
  done
  summary "$mode" bare_window "$out.bare.jsonl" ""
  summary "$mode" bare_window_text "$out.bare_text.jsonl" ""

  bare_ms=$(field map_ms <"$out.bare.jsonl" | median)
  text_ms=$(field map_ms <"$out.bare_text.jsonl" | median)
  bare_rss=$(field rss_kib <"$out.bare.jsonl" | median)
  text_rss=$(field rss_kib <"$out.bare_text.jsonl" | median)
  for size in $sizes; do
    hk_ms=$(field map_ms <"$out.huekeeper.$size.jsonl" | median)
    hk_rss=$(field rss_kib <"$out.huekeeper.$size.jsonl" | median)
    read -r t_time t_rss t_time_text t_rss_text < <(targets "$mode" "$size")
    awk -v mode="$mode" -v size="$size" -v a="$hk_ms" -v b="$bare_ms" -v t="$text_ms" \
      -v ra="$hk_rss" -v rb="$bare_rss" -v rt="$text_rss" -v rows="$work/rows" \
      -v tt="$t_time" -v tr="$t_rss" -v ttt="$t_time_text" -v trt="$t_rss_text" '
      function met(value, target) { return target == "null" ? "null" : (value <= target + 0 ? "true" : "false") }
      function mark(value, target) { return target == "null" ? "" : sprintf(" (≤ %s %s)", target, value <= target + 0 ? "✓" : "✗") }
      BEGIN {
        ratio = sprintf("%.3f", a / b) + 0; diff = sprintf("%.2f", (ra - rb) / 1024) + 0
        ratio_text = sprintf("%.3f", a / t) + 0; diff_text = sprintf("%.2f", (ra - rt) / 1024) + 0
        printf "{\"comparison\": \"huekeeper vs bare_window\", \"mode\": \"%s\", \"archive_colours\": %d, ", mode, size
        printf "\"time_ratio\": %.3f, \"time_target_ratio\": %s, \"time_met\": %s, ", ratio, tt, met(ratio, tt)
        printf "\"rss_diff_mib\": %.2f, \"rss_target_mib\": %s, \"rss_met\": %s, ", diff, tr, met(diff, tr)
        printf "\"time_ratio_vs_text\": %.3f, \"time_vs_text_target_ratio\": %s, \"time_vs_text_met\": %s, ", ratio_text, ttt, met(ratio_text, ttt)
        printf "\"rss_diff_vs_text_mib\": %.2f, \"rss_vs_text_target_mib\": %s, \"rss_vs_text_met\": %s}\n", diff_text, trt, met(diff_text, trt)
        printf "| %s | %d | %.1f | %.1f | %.1f | %.3f%s | %.3f%s | %.2f%s | %.2f%s |\n", mode, size, a, b, t,
          ratio, mark(ratio, tt), ratio_text, mark(ratio_text, ttt), diff, mark(diff, tr),
          diff_text, mark(diff_text, trt) >> rows
      }'
  done
done
stop_wm
[ "$measured_modes" -gt 0 ] || { echo "startup.sh: no mode could be measured" >&2; exit 1; }

print_table() {
  echo "| mode | colours | huekeeper ms | bare ms | text ms | ratio vs bare | ratio vs text | RSS diff vs bare (MiB) | vs text (MiB) |"
  echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
  cat "$work/rows"
}
if [ -n "$table" ]; then
  print_table >"$table"
else
  print_table
fi
