#!/usr/bin/env bash
# The hot key, and during a break the keyboard stays with it. Ctrl+Alt+B, pressed in an X11 window
# the user works in, starts a break; then, with keys sent through the compositor as from the seat's
# keyboard, the user takes the desktop's own ways to another window (GNOME: the Super key, which
# opens the overview, and Alt+Tab; Plasma: Alt+Tab; sway: the focus moved to that window, and
# another workspace, through its IPC). A few seconds after each the compositor's picture shows the
# break over the whole screen, and at the end Escape pressed twice reaches the break and skips it
# (a casual break may be skipped at once): "skipped" in the history.
source "$(dirname "$0")/lib.sh"
write_settings '"microSeconds": 60, "naturalBreakMinutes": 10, "enforcement": "casual"'

start_tarnwick
wait_until_ready
# The window the user works in, an X11 one, given the focus by a click through the compositor.
xterm -geometry 80x24+200+200 &
term=$!
helpers+=("$term")
for _ in $(seq 50); do xdotool search --onlyvisible --pid "$term" > /dev/null 2>&1 && break; sleep 0.1; done
term_window=$(xdotool search --onlyvisible --pid "$term" 2> /dev/null | head -n 1)
[ -n "$term_window" ] || fail "xterm showed no window"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$term_window")"
click 1 $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 0.5

# The hot key as the desktop's portal leaves it: the X grab (GNOME 43's and sway's portals offer no
# global shortcuts, and Plasma's is never asked to bind one unasked), which serves while an X11
# window is in front. It starts the break.
wait_for_log 10 "hot key: X key grab$" || problem "the hot key did not settle on the X grab: $(grep 'hot key' "$log" | tr '\n' ' ')"
# The user types first. A virtual keyboard brings XWayland its own map with its first key, and the
# program takes the hot key again on the key that now types b. (On sway each wtype call is a
# keyboard of its own, with a map of only its keys, and the first key of a call can reach the
# window before its map has: each call here starts with a b the test can spare.)
case $desktop in
    sway) wtype -k b -s 1000 -M ctrl -M alt -k b -m alt -m ctrl ;;
    *) press_keys B && sleep 1 && press_keys Ctrl Alt B ;;
esac || fail "could not press Ctrl+Alt+B through the compositor on $desktop"
wait_for_log 10 "phase onBreak micro" ||
    fail "Ctrl+Alt+B with an X11 window in front started no break (active window $(xdotool getactivewindow 2>&1), xterm's $term_window)"
sleep 2  # past the break screen's fade-in
find_break_window

# Each way away, then the compositor's picture a few seconds later.
away() {
    local how=$1
    shift
    "$@" || fail "could not take $how on $desktop"
    sleep 3
    local shot
    shot=$(keep_screenshot "${how// /-}")
    echo "after $how: active window $(xdotool getactivewindow 2>&1), the break's $break_window"
    check_break_covers "$shot" "$break_window"
}
case $desktop in
    gnome) away overview press_keys Super
           away alt-tab press_keys Alt Tab ;;
    kde) away alt-tab press_keys Alt Tab ;;
    sway) away focus swaymsg -q "[pid=$term] focus"
          away workspace swaymsg -q workspace 2 ;;
    *) fail "no way to another window on $desktop" ;;
esac

case $desktop in
    sway) wtype -k b -s 500 -k Escape -s 300 -k Escape ;;  # a b first, which a break ignores
    *) press_keys Escape && sleep 0.3 && press_keys Escape ;;
esac || fail "could not press Escape through the compositor on $desktop"
for _ in $(seq 50); do grep -q '"skipped"' "$data/history.json" 2> /dev/null && break; sleep 0.1; done
grep -q '"skipped"' "$data/history.json" 2> /dev/null ||
    problem "Escape pressed twice did not skip the break (phases: $(grep -o 'phase .*' "$log" | tr '\n' ','))"
end_test
