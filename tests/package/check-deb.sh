#!/usr/bin/env bash
# The .deb as a user gets it: unpacked into a fresh root, its desktop entry, icon and
# metainfo checked with the desktop's own validators; then the installed program is
# started on a private X display, a colour is added through its window, and after Exit
# the colour must be in the per-user data folder and nothing written beside the program.
#   tests/package/check-deb.sh huekeeper_<version>_<arch>.deb
set -euo pipefail

deb=$(realpath "$1")
work=$(mktemp -d /tmp/huekeeper-deb-XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-deb: $*" >&2; exit 1; }
# Runs the command until it succeeds, printing its output, for at most 10 seconds.
await() {
  local out
  for _ in $(seq 200); do
    if out=$("$@" 2>/dev/null); then printf '%s' "$out"; return 0; fi
    sleep 0.05
  done
  return 1
}

# ---- the package and the files it installs ---------------------------------------------
fields=$(dpkg-deb -f "$deb" Package Section Depends)
grep -q '^Package: huekeeper$' <<<"$fields" || fail "package name: $fields"
grep -q '^Section: graphics$' <<<"$fields" || fail "section: $fields"
grep -q 'libqt6widgets6' <<<"$fields" || fail "no Qt Widgets among the dependencies: $fields"

root=$work/root
dpkg -x "$deb" "$root"
usr=$root/usr
[ -x "$usr/bin/huekeeper" ] || fail "no usr/bin/huekeeper"
entries=("$usr"/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "not one desktop entry: ${entries[*]}"
id=$(basename "${entries[0]}" .desktop)
desktop-file-validate "${entries[0]}" >/dev/null || { desktop-file-validate "${entries[0]}"; fail "desktop entry"; }
grep -qx "Icon=$id" "${entries[0]}" || fail "the desktop entry's icon is not $id"
grep -qx 'Exec=huekeeper' "${entries[0]}" || fail "the desktop entry does not start huekeeper"
metainfo=$usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || appstreamcli validate --no-net "$metainfo" ||
  fail "metainfo"
# The tree as a software centre reads it: the metainfo, the entry it launches, the icon.
appstreamcli validate-tree --no-net "$root" >/dev/null || appstreamcli validate-tree --no-net "$root" ||
  fail "the installed tree"
grep -q '<image>https://.*/docs/screenshot.png</image>' "$metainfo" || fail "no screenshot"
icons=$usr/share/icons/hicolor
file -b "$icons/scalable/apps/$id.svg" | grep -q '^SVG' || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
  file -b "$icons/${size}x${size}/apps/$id.png" | grep -q "^PNG image data, $size x $size," ||
    fail "no $size px icon"
done

# ---- the installed program, run as a user runs it ----------------------------------------
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME QT_QPA_PLATFORM WAYLAND_DISPLAY \
  DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
# -noreset: else the server starts over whenever the polls below leave it clientless.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
  >/dev/null 2>&1 &
pids+=($!)
display=$(await grep -x '[0-9]\+' "$work/display") || fail "Xvfb did not start"
export DISPLAY=:$display
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
await sh -c "xprop -root _NET_WORKAREA | grep -q ' = '" || fail "openbox did not start"

find "$root" -printf '%P %s %T@\n' | sort >"$work/before"
"$usr/bin/huekeeper" >"$work/log" 2>&1 &
app=$!
pids+=($app)
xdo() { xdotool "$@" >/dev/null; }
window=$(await xdotool search --onlyvisible --name '^Hue Keeper$' | head -n 1) ||
  fail "no window: $(cat "$work/log")"
# The desktop finds the menu entry of the window by its class.
wmclass=$(sed -n 's/^StartupWMClass=//p' "${entries[0]}")
xprop -id "$window" WM_CLASS | grep -q "= \"$wmclass\"," ||
  fail "the window's class is not the entry's $wmclass: $(xprop -id "$window" WM_CLASS)"
# The Long text box and the add button, in window pixels (their design rectangles in
# twips, 15 to the pixel): type 4227327 (#4080FF) and add it under a name.
xdo mousemove --window "$window" 85 168 click 1
xdo key --delay 20 ctrl+a 4 2 2 7 3 2 7
xdo mousemove --window "$window" 244 194 click 1
dialog=$(await xdotool search --onlyvisible --name '^Color Name$' | head -n 1) ||
  fail "no Color Name dialog"
xdo windowfocus --sync "$dialog"
xdo type --delay 20 'From the deb'
xdo key Return
await sh -c "! xdotool search --onlyvisible --name '^Color Name\$'" >/dev/null ||
  fail "the Color Name dialog stayed open"
xdo windowfocus --sync "$window"
xdo key ctrl+x
ended() { [ ! -e "/proc/$app" ] || grep -q ') Z ' "/proc/$app/stat"; }  # gone, or a zombie
await ended || fail "Ctrl+X did not end the program"
status=0 && wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program exited with $status: $(cat "$work/log")"

archive="$HOME/.local/share/Hue Keeper/Colorx.dat"
printf '\xff\x80\x40\x00%-25s' 'From the deb' >"$work/expected"
cmp "$archive" "$work/expected" || fail "the colour is not in $archive"
grep -qx '\[Preference\]' "$HOME/.config/Hue Keeper/Hue Keeper.ini" ||
  fail "no preferences in the per-user store"
find "$root" -printf '%P %s %T@\n' | sort >"$work/after"
diff "$work/before" "$work/after" || fail "the installed copy wrote into its own folders"
echo "check-deb: $(basename "$deb") installs, validates, and saves to the per-user folders"
