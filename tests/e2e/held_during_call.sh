#!/usr/bin/env bash
# A break that falls due while another program records from the microphone is held, recorded
# held, and not begun.
source "$(dirname "$0")/lib.sh"
write_quick_settings
parecord --device=@DEFAULT_SOURCE@ /dev/null &
recorder=$!
helpers+=("$recorder")
start_tarnwick
wait_for_history 75 '"outcome": "held"'
sleep 3
grep -q "phase held micro call" "$log" || fail "the phase was not held for a call"
grep -q "phase onBreak" "$log" && fail "the break began during the call"
grep -q '"outcome": "taken"' "$data/history.json" && fail "a break was recorded taken during the call"
kill $recorder
echo "held during call: ok"
