#!/usr/bin/env bash
# On a Wayland session with XWayland (here: the virtual desktop's X server, and a Wayland display
# that names nothing), Tarnwick runs through X11 by itself: it starts, its break covers both
# monitors, and Ctrl+Alt+B, grabbed on the X server, starts a break while an X11 program is in front.
source "$(dirname "$0")/lib.sh"
export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-nothing
unset QT_QPA_PLATFORM
write_quick_settings
start_tarnwick

xterm -geometry 80x20+100+100 &
term=$!
helpers+=("$term")
for _ in $(seq 50); do xdotool search --pid $term >/dev/null 2>&1 && break; sleep 0.1; done
xdotool search --pid $term windowactivate --sync >/dev/null 2>&1 || true
sleep 1  # the portal, absent here, has been asked and the X grab kept
xdotool key ctrl+alt+b
for _ in $(seq 30); do grep -q "phase onBreak micro" "$log" && break; sleep 0.1; done
grep -q "phase onBreak micro" "$log" || fail "the hot key did not start a break"

# One break panel on each monitor: 1280x1024 at 0,0 and at 1280,0.
panels() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        xdotool getwindowgeometry --shell "$w" | tr '\n' ' ' | sed -E 's/.*X=([0-9-]+) Y=([0-9-]+) WIDTH=([0-9]+) HEIGHT=([0-9]+).*/\3x\4+\1+\2/'
        echo
    done | grep -E '^1280x1024\+(0|1280)\+0$' | sort -u | tr '\n' ' '
}
for _ in $(seq 50); do [ "$(panels)" = "1280x1024+0+0 1280x1024+1280+0 " ] && break; sleep 0.1; done
[ "$(panels)" = "1280x1024+0+0 1280x1024+1280+0 " ] || fail "the break panels do not cover both monitors: $(panels)"

wait_for_history 10 '"outcome": "taken"'
! grep -qi "platform plugin" "$log" || fail "Qt looked for another platform than xcb"
echo "wayland session: ok"
