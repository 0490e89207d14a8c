#!/usr/bin/env bash
# A real screen cast on GNOME: Mutter's ScreenCast interface (the one the desktop portal uses when a
# meeting program shares the screen) casts the monitor into PipeWire, a consumer watches it, and a
# due break is held as for a call; once the consumer stops watching, the break is announced again.
# GNOME sessions run PipeWire with its session manager; this one starts them in its runtime folder.
source "$(dirname "$0")/lib.sh"
write_settings '"naturalBreakMinutes": 10'

pipewire > "$work/pipewire.log" 2>&1 &
helpers+=("$!")
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/pipewire-0" ] || fail "pipewire did not start: $(cat "$work/pipewire.log")"
wireplumber > "$work/wireplumber.log" 2>&1 &
helpers+=("$!")

coproc CAST { desktop_py screencast 300; }
helpers+=("$CAST_PID")
read -r -t 10 word node <&"${CAST[0]}" && [ "$word" = node ] || fail "Mutter published no screen cast stream"
echo "Mutter's cast: $(pw-cli info "$node" | grep -E 'media.class|node.name|media.name' | tr -s ' \n*\t' ' ')"
# The cast's node as PipeWire lists it now, and whether it runs.
cast_node() { pw-cli ls Node | awk '/^[[:space:]]*id [0-9]+,/ { id = $2 + 0 } /media.class = "Stream\/Output\/Video"/ { print id; exit }'; }
# (grep reads the whole answer: under pipefail, a grep -q that stops early fails the pipe.)
running() { local n; n=$(cast_node); [ -n "$n" ] && grep -q 'state: "running"' <<< "$(pw-cli info "$n")"; }
viewer=
start_viewer() {
    gst-launch-1.0 -q pipewiresrc stream-properties="props,node.autoconnect=false,node.name=cast-viewer" ! fakesink \
        >> "$work/viewer.log" 2>&1 &
    viewer=$!
    helpers+=("$viewer")
    for _ in $(seq 50); do pw-link -i | grep -q cast-viewer:in_0 && break; sleep 0.1; done
}
# The viewer linked to the cast. A link made while Mutter still sets its stream up can be dropped,
# or the viewer left without a format (the cast runs a moment, then stops): each try starts a fresh
# viewer and links it, until the cast still runs a second after it started to. (A loaded machine,
# with other desktops starting beside this one, can take seconds before the cast's first frame.)
for _ in 1 2 3 4 5; do
    if [ -n "$viewer" ]; then kill "$viewer" 2> /dev/null || true; wait "$viewer" 2> /dev/null || true; fi
    start_viewer
    pw-link "$(pw-link -o | grep -m 1 ':out_0')" cast-viewer:in_0 2>> "$work/links.log" || true
    for _ in $(seq 100); do running && break; sleep 0.1; done
    sleep 1
    running && break
done
running || fail "the cast did not run with its viewer: $(pw-link -l | tr '\n' ' '); nodes: $(pw-cli ls Node | grep -E 'id |media.class' | tr -s '\n\t ' ' '); $(cat "$work/links.log" "$work/viewer.log")"

start_tarnwick
expect_held 75 call "the screen was cast"

kill "$viewer"
announced_again() { grep -q "phase headsUp micro" <<< "$(sed -n '/phase held micro call/,$p' "$log")"; }
for _ in $(seq 100); do announced_again && break; sleep 0.1; done
announced_again ||
    problem "the break was not announced again once the cast had no viewer"
end_test
