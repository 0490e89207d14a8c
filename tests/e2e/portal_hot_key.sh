#!/usr/bin/env bash
# On a Wayland session whose desktop portal offers global shortcuts, Tarnwick binds Ctrl+Alt+B
# there and lets go of its X key grab; the portal's activation starts a break. A second start finds
# its binding again under the same session token and asks for nothing (KDE would open its shortcut
# settings at each new bind). When the portal leaves the bus, the X grab serves again.
source "$(dirname "$0")/lib.sh"
export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-nothing
unset QT_QPA_PLATFORM

portal_log=$TARNWICK_DESKTOP_LOGS/fake_portal.log
/usr/bin/python3 "$(dirname "$0")/fake_portal.py" > "$portal_log" 2>&1 &
portal=$!
helpers+=("$portal")
for _ in $(seq 50); do grep -q '^ready$' "$portal_log" && break; sleep 0.1; done
grep -q '^ready$' "$portal_log" || fail "the fake portal did not start: $(cat "$portal_log")"

write_quick_settings
start_tarnwick
for _ in $(seq 50); do grep -q '^bound ' "$portal_log" && break; sleep 0.1; done
grep -qx 'bound take-eye-break CTRL+ALT+b' "$portal_log" || fail "the portal bound: $(cat "$portal_log")"

# The X grab is gone: the key reaches the program in front, and no break starts.
xterm -geometry 80x20+100+100 &
term=$!
helpers+=("$term")
for _ in $(seq 50); do xdotool search --pid $term >/dev/null 2>&1 && break; sleep 0.1; done
xdotool search --pid $term windowactivate --sync >/dev/null 2>&1 || true
sleep 1
xdotool key ctrl+alt+b
sleep 2
! grep -q "phase onBreak" "$log" || fail "the X grab still started a break beside the portal's shortcut"

# An activation of another session does nothing; the portal's own starts the break.
kill -USR2 "$portal"
sleep 1
! grep -q "phase onBreak" "$log" || fail "another session's activation started a break"
kill -USR1 "$portal"
for _ in $(seq 30); do grep -q "phase onBreak micro" "$log" && break; sleep 0.1; done
grep -q "phase onBreak micro" "$log" || fail "the portal's activation did not start a break"
wait_for_history 10 '"outcome": "taken"'

# Started again, it finds the binding it made and binds nothing anew; the shortcut still works.
kill "$pid"
wait "$pid" 2>/dev/null || true
start_tarnwick
for _ in $(seq 50); do grep -q '^listed tarnwick take-eye-break$' "$portal_log" && break; sleep 0.1; done
grep -q '^listed tarnwick take-eye-break$' "$portal_log" || fail "the second start did not find its binding: $(cat "$portal_log")"
sleep 0.5
[ "$(grep -c '^bound ' "$portal_log")" -eq 1 ] || fail "the second start bound the shortcut again: $(cat "$portal_log")"
kill -USR1 "$portal"
for _ in $(seq 30); do grep -q "phase onBreak micro" "$log" && break; sleep 0.1; done
grep -q "phase onBreak micro" "$log" || fail "after the second start, the portal's activation did not start a break"
for _ in $(seq 100); do [ "$(grep -c '"outcome": "taken"' "$data/history.json")" -ge 2 ] && break; sleep 0.1; done
[ "$(grep -c '"outcome": "taken"' "$data/history.json")" -ge 2 ] || fail "the second break was not recorded"
sleep 1

# The portal quits: the X grab is back.
kill "$portal"
sleep 1
xdotool key ctrl+alt+b
for _ in $(seq 30); do [ "$(grep -c "phase onBreak micro" "$log")" -eq 2 ] && break; sleep 0.1; done
[ "$(grep -c "phase onBreak micro" "$log")" -eq 2 ] || fail "without the portal, the X grab did not start a break"
echo "portal hot key: ok"
