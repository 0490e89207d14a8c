#!/usr/bin/env bash
# Typing through the compositor on a real desktop: keys sent as from the seat's own keyboard every
# half second while a break falls due keep it waiting (the heads-up stays past its end, no break
# begins), and a pause in the keys lets it start within a few seconds. Other input is sent too
# before the break, so the rules read a user at work.
source "$(dirname "$0")/lib.sh"
write_settings '"naturalBreakMinutes": 10'

# The heads-up comes 50 s after the start and ends 10 s later.
keep_working 5
start_tarnwick
wait_for_log 70 "phase headsUp micro" || fail "no heads-up within 70 s (phases: $(grep -o 'phase .*' "$log" | tr '\n' ','))"
stop_working
announced=$SECONDS
start_typing

# 25 s of typing: the heads-up's 10 s and 15 s beyond them.
sleep 25
if grep -q "phase onBreak" "$log"; then
    problem "the break began while the user typed ($(grep -o 'phase .*' "$log" | tr '\n' ','))"
fi
stop_typing
paused=$SECONDS

if wait_for_log 10 "phase onBreak micro"; then
    echo "the break began $((SECONDS - paused)) s after the typing paused, $((SECONDS - announced)) s after the heads-up"
else
    problem "no break within 10 s of a pause in the typing (phases: $(grep -o 'phase .*' "$log" | tr '\n' ','))"
fi
grep 'idle source:' "$log" || problem "the program named no idle source"
end_test
