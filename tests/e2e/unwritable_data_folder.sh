#!/usr/bin/env bash
# A data folder that cannot be made: Tarnwick still runs, says once why nothing is saved, keeps its
# records in memory and writes them as soon as the folder can be made. It stays the one instance:
# a start once the folder can be made hands over to it, and it takes the lock itself.
source "$(dirname "$0")/lib.sh"
root=$(mktemp -d)
export XDG_DATA_HOME="$root/share"
data="$XDG_DATA_HOME/Tarnwick"
echo "not a folder" > "$XDG_DATA_HOME"   # the data folder's parent is a file
QT_LOGGING_RULES="tarnwick.model.debug=true;tarnwick.session.debug=true" "$tarnwick" > "$log" 2>&1 &
pid=$!
second="$log.second"
trap 'finish; rm -rf "$root" "$second"' EXIT
for _ in $(seq 50); do
    grep -q "^Tarnwick: " "$log" && break
    kill -0 "$pid" 2>/dev/null || fail "tarnwick exited at start"
    sleep 0.1
done
wait_until_ready
sleep 1
kill -0 "$pid" 2>/dev/null || fail "tarnwick exited"
lines=$(grep -c "^Tarnwick: " "$log" || true)
[ "$lines" = 1 ] || fail "expected one console line about the data folder, saw $lines"
grep "^Tarnwick: " "$log" | grep -q "$data" || fail "the console line does not name the data folder"
grep "^Tarnwick: " "$log" | grep -qi "not saved\|nothing is saved" || fail "the console line does not say nothing is saved"

# A break while nothing can be saved, recorded in memory.
xdotool key ctrl+alt+b
for _ in $(seq 30); do grep -q "phase onBreak micro" "$log" && break; sleep 0.1; done
grep -q "phase onBreak micro" "$log" || fail "the hot key did not start a break"
for _ in $(seq 300); do grep -q "phase working" "$log" && break; sleep 0.1; done
grep -q "phase working" "$log" || fail "the break did not end"
[ ! -e "$data" ] || fail "the data folder appeared from nowhere"

# The folder can be made now. A start at once, before the running one took the lock, hands over to it.
rm -f "$XDG_DATA_HOME"
mkdir -p "$XDG_DATA_HOME"
status=0
timeout 15 "$tarnwick" > "$second" 2>&1 || status=$?
[ "$status" = 0 ] || fail "a start beside the running one ended with status $status (124: it kept running): $(cat "$second")"
kill -0 "$pid" 2>/dev/null || fail "the start beside it ended the running one"

# The record reaches the file without any further action, and the running one holds the lock.
wait_for_history 15 '"outcome": "taken"'
for _ in $(seq 50); do [ "$(head -n 1 "$data/tarnwick.lock" 2>/dev/null)" = "$pid" ] && break; sleep 0.1; done
[ "$(head -n 1 "$data/tarnwick.lock" 2>/dev/null)" = "$pid" ] || fail "the running one did not take the lock"
kill -0 "$pid" 2>/dev/null || fail "tarnwick exited"
kill "$pid"; wait "$pid" || true
echo "unwritable data folder: ok"
