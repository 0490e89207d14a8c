#!/usr/bin/env bash
# The compositor quits under a running program: its Wayland idle connection closes, and the program
# goes on, on the D-Bus idle sources (none answer on sway: idle counts as 0), still answering its
# control interface. Its windows are on an X server of their own here, so that the compositor's
# XWayland going with it does not end the program too.
source "$(dirname "$0")/lib.sh"
write_settings

# A private X server for the program's windows, on a free display number.
for n in $(seq 40 90); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb=$!
helpers+=("$xvfb")
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$n" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

DISPLAY=:$n XAUTHORITY= start_tarnwick
wait_for_log 20 "idle source: .*(Wayland)" || fail "the program did not take its idle time from the compositor: $(grep 'idle' "$log")"

case $desktop in
    sway) swaymsg exit > /dev/null 2>&1 || true ;;
    *) fail "this case is for sway" ;;
esac
wait_for_log 10 "Wayland idle: the compositor closed the connection" ||
    problem "the program did not see the compositor go (log: $(grep -i 'wayland\|idle' "$log" | tail -n 5))"
wait_for_log 20 "idle source: none" ||
    problem "the program did not go back to the D-Bus sources (log: $(grep 'idle source' "$log"))"
sleep 3
kill -0 "$pid" 2> /dev/null || fail "the program ended with the compositor (log: $(tail -n 20 "$log"))"
DISPLAY=:$n "$tarnwick" status > "$work/status" 2>&1 ||
    problem "the program's control interface did not answer after the compositor went: $(cat "$work/status")"
echo "after the compositor: $(cat "$work/status")"
end_test
