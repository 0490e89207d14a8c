#!/usr/bin/env bash
# A second start exits at once with status 0 and leaves the first one running.
source "$(dirname "$0")/lib.sh"
start_tarnwick
started=$(date +%s%N)
"$tarnwick" > /dev/null 2>&1 || fail "the second start failed"
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
[ "$elapsed_ms" -lt 3000 ] || fail "the second start took ${elapsed_ms} ms"
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the first instance is gone"
kill "$pid"; wait "$pid" || true
[ ! -e "$data/tarnwick.lock" ] || fail "the lock was left behind after a normal quit"
echo "second instance: ok (${elapsed_ms} ms)"
