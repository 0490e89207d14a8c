#!/usr/bin/env bash
# During a break the keyboard stays with it. A break is started at once, over a window the user was
# working in; then, with keys sent through the compositor as from the seat's keyboard, the user
# takes the desktop's own ways to another window (GNOME: the Super key, which opens the overview,
# and Alt+Tab; Plasma: Alt+Tab; sway: the focus moved to that window, and another workspace,
# through its IPC). A few seconds after each the compositor's picture shows the break over the
# whole screen, and at the end Escape pressed twice reaches the break and skips it (a casual break
# may be skipped at once): "skipped" in the history.
source "$(dirname "$0")/lib.sh"
write_settings '"microSeconds": 60, "naturalBreakMinutes": 10, "enforcement": "casual"'

start_tarnwick
wait_until_ready
# The window the user works in.
xterm -geometry 80x24+200+200 &
term=$!
helpers+=("$term")
for _ in $(seq 50); do xdotool search --onlyvisible --pid "$term" > /dev/null 2>&1 && break; sleep 0.1; done
xdotool search --onlyvisible --pid "$term" > /dev/null 2>&1 || fail "xterm showed no window"
start_input
sleep 1

"$tarnwick" break > /dev/null || fail "tarnwick break did not start a break"
wait_for_log 10 "phase onBreak micro" || fail "no break within 10 s of 'tarnwick break'"
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

press_keys Escape || fail "could not press Escape through the compositor on $desktop"
sleep 0.3
press_keys Escape || fail "could not press Escape through the compositor on $desktop"
for _ in $(seq 50); do grep -q '"skipped"' "$data/history.json" 2> /dev/null && break; sleep 0.1; done
grep -q '"skipped"' "$data/history.json" 2> /dev/null ||
    problem "Escape pressed twice did not skip the break (phases: $(grep -o 'phase .*' "$log" | tr '\n' ','))"
end_test
