#!/usr/bin/env bash
# Ctrl+Alt+B starts a break at once, even with another program focused, and it ends recorded taken.
source "$(dirname "$0")/lib.sh"
write_quick_settings
start_tarnwick
xterm -geometry 80x20+100+100 &
term=$!
for _ in $(seq 50); do xdotool search --pid $term >/dev/null 2>&1 && break; sleep 0.1; done
xdotool search --pid $term windowactivate --sync >/dev/null 2>&1 || true
xdotool key ctrl+alt+b
for _ in $(seq 30); do grep -q "phase onBreak micro" "$log" && break; sleep 0.1; done
grep -q "phase onBreak micro" "$log" || fail "the hot key did not start a break"
wait_for_history 10 '"outcome": "taken"'
grep -q "phase working" "$log" || fail "the break did not end"
kill $term
echo "hot key break: ok"
