#!/usr/bin/env bash
# A second start opens the first one's panel and exits at once with status 0, even with a TMPDIR of
# its own; one that cannot reach the first says so and exits non-zero. The first keeps running.
source "$(dirname "$0")/lib.sh"
write_quick_settings
start_tarnwick
other_tmp=$(mktemp -d)
second="$log.second"
trap 'finish; rm -rf "$other_tmp" "$second"' EXIT

started=$(date +%s%N)
TMPDIR=$other_tmp "$tarnwick" > "$second" 2>&1 || fail "the second start failed: $(cat "$second")"
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
[ "$elapsed_ms" -lt 3000 ] || fail "the second start took ${elapsed_ms} ms"
wait_for_panel 3 || fail "the second start, with another TMPDIR, did not open the running one's panel"
kill -0 "$pid" 2>/dev/null || fail "the first instance is gone"

# The first one hangs: a start cannot hand over, and must not end as if it had.
kill -STOP "$pid"
status=0
"$tarnwick" > "$second" 2>&1 || status=$?
kill -CONT "$pid"
[ "$status" -ne 0 ] || fail "a start that reached no one exited with status 0"
[ "$(grep -c '^Tarnwick: ' "$second")" = 1 ] || fail "a start that reached no one did not say so in one line: $(cat "$second")"
grep -q "did not answer" "$second" || fail "the line does not say the running one did not answer: $(cat "$second")"
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the first instance is gone"

kill "$pid"; wait "$pid" || true
[ ! -e "$data/tarnwick.lock" ] || fail "the lock was left behind after a normal quit"
echo "second instance: ok (${elapsed_ms} ms)"
