#!/usr/bin/env bash
# A second start opens the running one's tray panel; "Quit" in the tray menu ends it with status 0.
source "$(dirname "$0")/lib.sh"
write_quick_settings
start_tarnwick
sleep 1

"$tarnwick" > /dev/null 2>&1 || fail "the second start failed"
wait_for_panel 3 || fail "the second start did not open the panel"
# The tray menu: a right click on the icon, then its last entry.
icon=
for w in $(xdotool search --pid "$pid" --class tarnwick); do
    if [ "$(xdotool getwindowname "$w")" = Tarnwick ] && xwininfo -id "$w" | grep -q 'Width: 22'; then icon=$w; break; fi
done
[ -n "$icon" ] || fail "no tray icon window"
eval "$(xdotool getwindowgeometry --shell "$icon")"
# A click on the icon closes the open panel; a right click then opens the menu.
xdotool mousemove $((X + 11)) $((Y + 11)) click 1
sleep 1
panel_shown && fail "a click on the icon did not close the panel"
xdotool click 3
sleep 0.8
xdotool key Up Return
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Quit did not end the program"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "Quit ended the program with status $status"
echo "tray quit and second start: ok"
