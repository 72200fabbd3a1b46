#!/usr/bin/env bash
# The .deb as a user gets it, unpacked into a fresh root and checked with the desktop's own
# validators; then the installed program on a private X display: a colour added through its
# window must, after Exit, be in the per-user data folder, and nothing written beside it.
#   tests/package/check-deb.sh huekeeper_<version>_<arch>.deb
set -euo pipefail

deb=$(realpath "$1")
work=$(mktemp -d /tmp/huekeeper-deb-XXXXXX)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait; rm -rf "$work"' EXIT
fail() { echo "check-deb: $*" >&2; exit 1; }
# Runs the command until it succeeds, for at most 10 seconds.
await() { for _ in $(seq 200); do "$@" 2>/dev/null && return; sleep 0.05; done; return 1; }

# The package, its desktop entry, metainfo and icons.
fields=$(dpkg-deb -f "$deb" Package Section Depends)
for want in '^Package: huekeeper$' '^Section: graphics$' 'libqt6widgets6'; do
  grep -q "$want" <<<"$fields" || fail "no $want in: $fields"
done
root=$work/root usr=$work/root/usr && dpkg -x "$deb" "$root"
[ -x "$usr/bin/huekeeper" ] || fail "no usr/bin/huekeeper"
entries=("$usr"/share/applications/*.desktop)
entry=${entries[0]} id=$(basename "${entries[0]}" .desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "$entry" ] || fail "not one desktop entry: ${entries[*]}"
out=$(desktop-file-validate "$entry") || fail "desktop entry: $out"
grep -qx "Icon=$id" "$entry" && grep -qx 'Exec=huekeeper' "$entry" ||
  fail "the desktop entry does not start huekeeper with the icon $id"
metainfo=$usr/share/metainfo/$id.metainfo.xml
# The metainfo, then the tree as a software centre reads it: the entry it launches, the icon.
out=$(appstreamcli validate --no-net "$metainfo") || fail "metainfo: $out"
out=$(appstreamcli validate-tree --no-net "$root") || fail "the installed tree: $out"
grep -q '<image>https://.*/docs/screenshot.png</image>' "$metainfo" || fail "no screenshot"
file -b "$usr/share/icons/hicolor/scalable/apps/$id.svg" | grep -q '^SVG' || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
  file -b "$usr/share/icons/hicolor/${size}x${size}/apps/$id.png" |
    grep -q "^PNG image data, $size x $size," || fail "no $size px icon"
done

# The installed program, run as a user runs it, in per-user folders of its own.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME QT_QPA_PLATFORM WAYLAND_DISPLAY \
  DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
# -noreset: else the server starts over whenever the polls below leave it clientless.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" &>/dev/null &
pids+=("$!")
display=$(await grep -x '[0-9]\+' "$work/display") || fail "Xvfb did not start"
export DISPLAY=:$display
openbox --sm-disable &>/dev/null & pids+=("$!")
await sh -c "xprop -root _NET_WORKAREA | grep -q ' = '" || fail "openbox did not start"

find "$root" -printf '%P %s %T@\n' | sort >"$work/before"
"$usr/bin/huekeeper" &>"$work/log" & app=$! && pids+=("$app")
window=$(await xdotool search --onlyvisible --name '^Hue Keeper$' | head -n 1) ||
  fail "no window: $(cat "$work/log")"
# The desktop finds the menu entry of the window by its class.
xprop -id "$window" WM_CLASS | grep -q "= \"$(sed -n 's/^StartupWMClass=//p' "$entry")\"," ||
  fail "the window's class is not the entry's StartupWMClass"
# The Long text box and the add button, at their design rectangles (twips, 15 to the pixel):
# type 4227327 (#4080FF) and add it under a name.
xdotool mousemove --window "$window" 85 168 click 1 key --delay 20 ctrl+a 4 2 2 7 3 2 7
xdotool mousemove --window "$window" 244 194 click 1
dialog=$(await xdotool search --onlyvisible --name '^Color Name$' | head -n 1) || fail "no dialog"
xdotool windowfocus --sync "$dialog" type --delay 20 'From the deb'
xdotool key Return
await sh -c "! xdotool search --onlyvisible --name '^Color Name\$' >/dev/null" ||
  fail "the dialog stayed open"
xdotool windowfocus --sync "$window" key ctrl+x
# Gone, or a zombie till the wait below.
await sh -c "[ ! -e /proc/$app ] || grep -q ') Z ' /proc/$app/stat" || fail "Ctrl+X did not end it"
wait "$app" || fail "the program exited with $?: $(cat "$work/log")"

printf '\xff\x80\x40\x00%-25s' 'From the deb' >"$work/expected"
cmp "$HOME/.local/share/Hue Keeper/Colorx.dat" "$work/expected" || fail "the colour is not saved"
grep -qx '\[Preference\]' "$HOME/.config/Hue Keeper/Hue Keeper.ini" || fail "no preferences saved"
find "$root" -printf '%P %s %T@\n' | sort >"$work/after"
diff "$work/before" "$work/after" || fail "the installed copy wrote into its own folders"
echo "check-deb: $(basename "$deb") installs, validates, and saves to the per-user folders"
