#!/usr/bin/env bash
# Time away on a real desktop, with time away counting as a break after one minute:
# - input through the compositor every few seconds keeps the user at work: a minute after the last
#   of it, not sooner, the desktop's idle time makes a natural break ("outcome": "natural");
# - back at work, then idle while a real client holds an idle inhibitor (a video player's way:
#   gnome-session-inhibit on GNOME, KDE's power management on KDE, a window's inhibitor on sway),
#   a watched minute records nothing.
source "$(dirname "$0")/lib.sh"
write_settings '"microEveryMinutes": 30, "naturalBreakMinutes": 1'
naturals() { { grep -o '"outcome": "natural"' "$data/history.json" 2> /dev/null || true; } | wc -l; }

# Waits until a natural break beyond $1 is recorded, at most $3 s after the moment $2 (in SECONDS);
# a problem when none comes, or one comes less than 50 s after that moment.
expect_natural() {
    local counted=$1 from=$2 limit=$3 what=$4 after
    while [ $((SECONDS - from)) -lt "$limit" ] && [ "$(naturals)" = "$counted" ]; do sleep 0.5; done
    after=$((SECONDS - from))
    if [ "$(naturals)" = "$counted" ]; then
        problem "no natural break $after s after $what (history: $(cat "$data/history.json" 2> /dev/null))"
    elif [ "$after" -lt 50 ]; then
        problem "a natural break was recorded $after s after $what, before a minute of time away"
    else
        echo "natural break recorded $after s after $what"
    fi
}

keep_working 4
start_tarnwick
sleep 12
stop_working
expect_natural 0 $SECONDS 75 "the last input"

# Back at work; then idle under an inhibitor for 65 s.
poke
sleep 1
poke
case $desktop in
    gnome) gnome-session-inhibit --inhibit idle --reason "a film" sleep 300 & ;;
    kde) desktop_py inhibit 300 & ;;
    # A window whose idle inhibitor sway holds, as its `inhibit_idle` command (or a video
    # player's own Wayland inhibitor) sets one.
    sway) xterm -title "a film" &
          for _ in $(seq 50); do grep -q '"name": "a film"' <<< "$(swaymsg -t get_tree)" && break; sleep 0.1; done
          swaymsg -q "[pid=$!] inhibit_idle open" || fail "sway set no idle inhibitor on the window" ;;
    *) fail "no idle inhibitor to hold on $desktop" ;;
esac
inhibitor=$!
helpers+=("$inhibitor")
counted=$(naturals)
sleep 65
kill -0 "$inhibitor" 2> /dev/null || fail "the idle inhibitor did not stay"
[ "$(naturals)" = "$counted" ] ||
    problem "a natural break was recorded while an idle inhibitor was held (history: $(cat "$data/history.json"))"

grep 'idle source:\|idle inhibitor source:' "$log" || problem "the program named no idle source"
end_test
