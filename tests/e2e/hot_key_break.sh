#!/usr/bin/env bash
# Ctrl+Alt+B starts a break at once, even with another program focused, and it ends recorded taken;
# after the keyboard's map has changed (b moved to another key, as another layout moves it) it is
# the key that now types b that counts, not the one that did.
source "$(dirname "$0")/lib.sh"
write_quick_settings
start_tarnwick
xterm -geometry 80x20+100+100 &
term=$!
for _ in $(seq 50); do xdotool search --pid $term >/dev/null 2>&1 && break; sleep 0.1; done
xdotool search --pid $term windowactivate --sync >/dev/null 2>&1 || true
map=$(xmodmap -pke)
b=$(awk '$4 == "b" { print $2; exit }' <<< "$map")
x=$(awk '$4 == "x" { print $2; exit }' <<< "$map")
[ -n "$b" ] && [ -n "$x" ] || fail "no b or x key in the keyboard's map"
xmodmap -e "keycode $b = x X" -e "keycode $x = b B"
sleep 0.5
xdotool key ctrl+alt+x
sleep 1
grep -q "phase onBreak" "$log" && fail "the key that typed b before the map changed still started a break"
xdotool key ctrl+alt+b
for _ in $(seq 30); do grep -q "phase onBreak micro" "$log" && break; sleep 0.1; done
grep -q "phase onBreak micro" "$log" || fail "the hot key did not start a break after the keyboard's map changed"
wait_for_history 10 '"outcome": "taken"'
grep -q "phase working" "$log" || fail "the break did not end"
kill $term
echo "hot key break: ok"
