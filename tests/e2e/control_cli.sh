#!/usr/bin/env bash
# The command line against the real program on the private session bus: each command's exit code
# and output, `status --json` parsed, refusals with the running one's sentence, usage errors, and
# exit 3 with no instance. A command needs no display and never becomes an instance itself.
source "$(dirname "$0")/lib.sh"
write_quick_settings

# The value of key $1 in the JSON object of `status --json`, as Python writes it.
field() { /usr/bin/python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))[sys.argv[2]])' "$out" "$1"; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# No instance: the commands say so, and leave no instance, lock or data behind.
for command in status "status --json" "pause 1h" resume skip "break long" settings; do
    # shellcheck disable=SC2086
    expect_exit 3 $command
    grep -qx "Tarnwick is not running." "$err" || fail "tarnwick $command without an instance said: $(cat "$err")"
    [ ! -s "$out" ] || fail "tarnwick $command without an instance printed: $(cat "$out")"
done
[ ! -e "$data/tarnwick.lock" ] || fail "a command took the instance lock"

# Usage errors, with or without an instance: the problem and the usage on standard error.
for command in "pause banana" "pause" "break short" "snooze soon" "status --yaml" "frobnicate"; do
    # shellcheck disable=SC2086
    expect_exit 2 $command
    grep -q "^Usage: tarnwick" "$err" || fail "tarnwick $command gave no usage: $(cat "$err")"
done
grep -q "banana" <("$tarnwick" pause banana 2>&1) || fail "the usage error does not name the wrong word"
expect_exit 0 --help
grep -q "^Usage: tarnwick" "$out" || fail "--help printed: $(cat "$out")"
expect_exit 0 --version
grep -Eqx "tarnwick [0-9]+\.[0-9]+\.[0-9]+" "$out" || fail "--version printed: $(cat "$out")"

start_tarnwick
wait_for_control

expect_exit 0 status
grep -Eqx "Next eye break in [0-9]+(s|m)" "$out" || fail "status printed: $(cat "$out")"
# No display and no GUI: the command talks to the bus alone.
env -u DISPLAY -u XAUTHORITY QT_QPA_PLATFORM=none "$tarnwick" status > /dev/null 2> "$err" ||
    fail "status without a display failed: $(cat "$err")"

expect_exit 0 status --json
[ "$(field phase)" = working ] || fail "status --json: $(cat "$out")"
[ "$(field nextBreakKind)" = micro ] || fail "status --json: $(cat "$out")"
[ "$(field pausedUntil)" = None ] || fail "pausedUntil is not null while working: $(cat "$out")"
at=$(field nextBreakAt)
[ "$at" -gt "$(now_ms)" ] && [ "$at" -le $(( $(now_ms) + 61000 )) ] || fail "the next break is not within a minute: $at"

expect_exit 0 pause 30m
expect_exit 0 status
grep -Eqx "Paused until [0-9]{1,2}:[0-9]{2}( [AP]M)?" "$out" || fail "status while paused printed: $(cat "$out")"
expect_exit 0 status --json
until_ms=$(field pausedUntil)
[ "$(field phase)" = paused ] || fail "pause 30m did not pause: $(cat "$out")"
[ $(( until_ms - $(now_ms) )) -gt 1795000 ] && [ $(( until_ms - $(now_ms) )) -le 1800000 ] ||
    fail "pause 30m pauses until $until_ms, $(( until_ms - $(now_ms) )) ms from now"

# Refusals: exit 1 with the running one's sentence, and nothing changes.
for refusal in "pause 25h|1 to 86400 seconds" "pause 0s|1 to 86400 seconds" "snooze|Nothing to snooze" \
               "skip|no break to skip" "snooze 0|1 to 1440 minutes"; do
    command=${refusal%%|*}
    # shellcheck disable=SC2086
    expect_exit 1 $command
    grep -q "${refusal#*|}" "$err" || fail "tarnwick $command said: $(cat "$err")"
done
expect_exit 0 status --json
[ "$(field pausedUntil)" = "$until_ms" ] || fail "a refused command changed the pause"

expect_exit 0 resume
expect_exit 0 status --json
[ "$(field phase)" = working ] || fail "resume did not resume: $(cat "$out")"
expect_exit 1 resume
grep -q "not paused" "$err" || fail "a second resume said: $(cat "$err")"

expect_exit 0 pause tomorrow
expect_exit 0 status --json
[ "$(field phase)" = paused ] || fail "pause tomorrow did not pause"
hour=$(date -d "@$(( $(field pausedUntil) / 1000 ))" +%H:%M)
[ "$hour" = 06:00 ] || fail "pause tomorrow pauses until $hour"
expect_exit 0 resume

# A long break on demand; a second one is refused while it runs; skipping waits 5 s (balanced).
expect_exit 0 break long
expect_exit 0 status --json
[ "$(field phase)" = onBreak ] && [ "$(field breakKind)" = long ] || fail "break long: $(cat "$out")"
expect_exit 1 break
grep -q "under way" "$err" || fail "a break during a break said: $(cat "$err")"
expect_exit 1 skip
grep -q "can be skipped in" "$err" || fail "an early skip said: $(cat "$err")"
sleep 6.2  # the skip rule is judged at the tick, as the break screen shows it
expect_exit 0 skip
wait_for_history 5 '"skipped"'
expect_exit 0 status --json
[ "$(field todaySkipped)" = 1 ] || fail "the skip is not counted today: $(cat "$out")"

# Without a kind, an eye break now; its 5 s run out and it is taken.
expect_exit 0 break
expect_exit 0 status --json
[ "$(field breakKind)" = micro ] || fail "break without a kind: $(cat "$out")"
wait_for_history 10 '"taken"'

# The windows.
expect_exit 0 settings
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Tarnwick Settings$' > /dev/null && break; sleep 0.1; done
xdotool search --onlyvisible --name '^Tarnwick Settings$' > /dev/null || fail "tarnwick settings opened no settings window"
expect_exit 0 stats
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Tarnwick Stats$' > /dev/null && break; sleep 0.1; done
xdotool search --onlyvisible --name '^Tarnwick Stats$' > /dev/null || fail "tarnwick stats opened no stats window"

# Gone again: exit 3 at once.
kill "$pid"; wait "$pid" || true
expect_exit 3 status
echo "control command line: ok"
