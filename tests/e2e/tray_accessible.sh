#!/usr/bin/env bash
# Every text and control of the tray panel is readable through the accessibility bus, and its
# buttons work when pressed through it: pausing, resuming, and starting a break.
source "$(dirname "$0")/lib.sh"
tree="$(dirname "$0")/accessible_tree.py"

/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
bus=$!
trap 'kill $bus 2>/dev/null || true' EXIT
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

mkdir -p "$data"
cat > "$data/settings.json" <<'JSON'
{"microEveryMinutes": 20, "longEnabled": true, "blinkEveryMinutes": 0, "onboarded": true}
JSON
start_tarnwick
trap 'kill $pid 2>/dev/null || true; kill $bus 2>/dev/null || true; rm -f "$log" "$log.tree"' EXIT

# Reads the tree until a line (role, a tab, name) matches: exactly with -F, as an extended regular
# expression with -E. Gives up after 10 s.
expect() {
    local how=$1 line=$2
    for _ in $(seq 20); do
        /usr/bin/python3 "$tree" tarnwick > "$log.tree" 2>/dev/null || true
        grep -qx "$how" -- "$line" "$log.tree" && return 0
        sleep 0.5
    done
    echo "--- the accessibility tree holds:" >&2
    cat "$log.tree" >&2
    fail "nothing reads as '$line'"
}

press() { /usr/bin/python3 "$tree" tarnwick --press "$1" || fail "no button '$1' to press"; }

# A second start opens the panel.
"$tarnwick" > /dev/null 2>&1 || fail "the second start failed"
expect -F $'progress bar\tNext eye break in'
expect -F $'label\tNext eye break in'
expect -E $'label\t(19|20):[0-9]{2}'
expect -E $'label\tLong break at [0-9]{1,2}:[0-9]{2}.*'
for button in 'Eye break now' 'Long break now' '30 min' '1 hour' 'Until tomorrow' Stats Settings Quit; do
    expect -F $'push button\t'"$button"
done
for label in Pause 'taken today' skipped 'day streak'; do expect -F $'label\t'"$label"; done

press '30 min'
expect -F $'label\tPaused until'
expect -F $'push button\tResume breaks'
press 'Resume breaks'
expect -F $'label\tNext eye break in'
press 'Eye break now'
for _ in $(seq 30); do grep -q "phase onBreak" "$log" && break; sleep 0.1; done
grep -q "phase onBreak" "$log" || fail "'Eye break now' did not start a break"
echo "tray accessible: ok"
