#!/usr/bin/env bash
# A due break on a real desktop: while a full-screen X11 window is in front it is held (the phase
# "held micro fullscreen", the outcome "held" in the history) and not begun; once that window has
# gone the break is announced, by a heads-up card centred just below the top bar, and comes, and
# its window covers the whole virtual monitor above the shell's bars:
# 1920x1080 at +0+0 as X11 sees it, and the compositor's own picture shows the break's colours at
# the corners and under the bars. Input comes through the compositor every few seconds meanwhile,
# as from a user at work, so that the break is not skipped as time away.
source "$(dirname "$0")/lib.sh"
write_settings '"microSeconds": 10, "naturalBreakMinutes": 10'

keep_working 8
start_tarnwick
screenshot "$work/desktop.png"

# The full-screen program in front before the break falls due (heads-up at 50 s).
xterm -fullscreen -bg '#203020' &
term=$!
helpers+=("$term")
for _ in $(seq 50); do xdotool search --onlyvisible --pid "$term" > /dev/null 2>&1 && break; sleep 0.1; done
term_window=$(xdotool search --onlyvisible --pid "$term" 2> /dev/null | head -n 1)
[ -n "$term_window" ] || fail "xterm showed no window"
# In front, as a window just opened is. (Mutter can refuse a new window the focus when input came
# through the compositor at that moment, as this test's does every few seconds.)
for _ in $(seq 30); do
    [ "$(xdotool getactivewindow 2> /dev/null)" = "$term_window" ] && break
    xdotool windowactivate "$term_window" 2> /dev/null || true
    sleep 0.1
done
sleep 1
echo "xterm: $(xdotool getwindowgeometry "$term_window" | tr -s '\n ' ' ')"
xprop -id "$term_window" _NET_WM_STATE
xprop -root _NET_ACTIVE_WINDOW
# For a failure's message: which X server and window manager this test's windows are on.
echo "X display $DISPLAY, $(xprop -root _NET_SUPPORTING_WM_CHECK 2>&1), sockets: $(ls /tmp/.X11-unix/ | tr '\n' ' ')"

expect_held 60 fullscreen "the full-screen window was in front" "xterm: $(describe_window "$term_window" | tr '\n' ' ')"
announced=$(grep -c "phase headsUp micro" "$log" || true)
kill "$term"
wait "$term" 2> /dev/null || true

# Once free, the break is announced again: the heads-up card at the top of the screen, below the
# top bar (GNOME's is 32 px high, swaybar 24 px), centred.
for _ in $(seq 100); do [ "$(grep -c "phase headsUp micro" "$log")" -gt "$announced" ] && break; sleep 0.1; done
if [ "$(grep -c "phase headsUp micro" "$log")" -gt "$announced" ]; then
    sleep 1.5  # past its fade-in
    heads_up_shot=$(keep_screenshot heads-up)
    read -r card card_geometry < <(windows_named '^Tarnwick heads-up$' | head -n 1)
    echo "heads-up: ${card_geometry:-none}"
    [ "$desktop" != sway ] && [ -n "${card:-}" ] && ! xprop -id "$card" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR &&
        problem "the heads-up card would have an entry in the task bar: $(xprop -id "$card" _NET_WM_STATE)"
    case $desktop in gnome) top=32 ;; sway) top=24 ;; *) top=0 ;; esac
    if [[ ${card_geometry:-} =~ ^([0-9]+)x([0-9]+)\+(-?[0-9]+)\+(-?[0-9]+)$ ]]; then
        cw=${BASH_REMATCH[1]} cxpos=${BASH_REMATCH[3]} cypos=${BASH_REMATCH[4]}
        [ "$cypos" -ge "$top" ] && [ "$cypos" -le $((top + 8)) ] ||
            problem "the heads-up card is at $card_geometry, not just below the top bar's $top px; see $heads_up_shot"
        [ $((cxpos + cw / 2)) -ge 940 ] && [ $((cxpos + cw / 2)) -le 980 ] ||
            problem "the heads-up card at $card_geometry is not centred; see $heads_up_shot"
    else
        problem "no heads-up card is shown once the full-screen window has gone; see $heads_up_shot"
    fi
else
    problem "the break was not announced again once the full-screen window had gone"
fi
wait_for_log 25 "phase onBreak micro" || fail "no break within 25 s of the full-screen window's end"
sleep 2  # past the break screen's fade-in
stop_working
shot=$(keep_screenshot)

find_break_window
check_break_covers "$shot" "$break_window" "$work/desktop.png"
end_test
