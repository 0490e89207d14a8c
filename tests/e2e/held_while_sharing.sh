#!/usr/bin/env bash
# A break that falls due while the screen is shared (a PipeWire video source that is not a camera,
# with a consumer linked) is held as for a call, the Smart Pause pane reads "Screen sharing: on",
# and once the consumer goes away the break is announced again.
source "$(dirname "$0")/lib.sh"
start_accessibility
write_quick_settings

# PipeWire and its session manager in a folder of their own; the program finds the daemon there.
export PIPEWIRE_RUNTIME_DIR
PIPEWIRE_RUNTIME_DIR=$(mktemp -d)
trap 'finish; rm -rf "$PIPEWIRE_RUNTIME_DIR"' EXIT
pipewire > /dev/null 2>&1 &
helpers+=("$!")
for _ in $(seq 50); do [ -S "$PIPEWIRE_RUNTIME_DIR/pipewire-0" ] && break; sleep 0.1; done
[ -S "$PIPEWIRE_RUNTIME_DIR/pipewire-0" ] || fail "pipewire did not start"
wireplumber > /dev/null 2>&1 &
helpers+=("$!")

# A screencast as a compositor publishes one, and a meeting program watching it.
gst-launch-1.0 -q videotestsrc is-live=true ! video/x-raw,width=64,height=48,framerate=5/1 ! \
    pipewiresink mode=provide stream-properties="props,media.class=Video/Source,node.name=e2e-cast" > /dev/null 2>&1 &
helpers+=("$!")
gst-launch-1.0 -q pipewiresrc stream-properties="props,node.autoconnect=false,node.name=e2e-viewer" ! fakesink > /dev/null 2>&1 &
viewer=$!
helpers+=("$viewer")
for _ in $(seq 50); do pw-link -o | grep -q e2e-cast:out_0 && pw-link -i | grep -q e2e-viewer:in_0 && break; sleep 0.1; done
pw-link e2e-cast:out_0 e2e-viewer:in_0 || fail "the viewer could not be linked to the screencast"

start_tarnwick
wait_for_history 75 '"outcome": "held"'
grep -q "phase held micro call" "$log" || fail "the break was not held as for a call"
grep -q "phase onBreak" "$log" && fail "the break began while the screen was shared"

# The pane says what it sees.
"$tarnwick" settings || fail "the settings did not open"
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Tarnwick Settings$' > /dev/null 2>&1 && break; sleep 0.1; done
window=$(xdotool search --onlyvisible --name '^Tarnwick Settings$' | head -1)
[ -n "$window" ] || fail "no settings window"
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key Down
expect -F $'heading\tSmart Pause'
expect -F $'label\tScreen sharing: on'
if [ -n "${TARNWICK_SCREENSHOT_FOLDER:-}" ]; then
    sleep 0.5
    import -window "$window" "$TARNWICK_SCREENSHOT_FOLDER/smart-pause-screen-sharing-on.png"
fi

# The meeting program stops watching: the held break is announced again.
kill "$viewer"
for _ in $(seq 100); do grep -q "phase headsUp micro" <(sed -n '/phase held micro call/,$p' "$log") && break; sleep 0.1; done
grep -q "phase headsUp micro" <<< "$(sed -n '/phase held micro call/,$p' "$log")" || fail "the break was not announced again once the sharing ended"
expect -F $'label\tScreen sharing: off'
echo "held while sharing: ok"
