# Shared steps of the end-to-end tests. Sourced by each test, which runs inside with-desktop
# with the tarnwick binary as its first argument.
set -euo pipefail

tarnwick=$1
data="$XDG_DATA_HOME/Tarnwick"
log=$(mktemp)
pid=

fail() {
    echo "FAIL: $*" >&2
    echo "--- program log:" >&2
    cat "$log" >&2
    exit 1
}

# Settings written before the start: a micro break every minute, 10 s heads-up, 5 s long.
write_quick_settings() {
    mkdir -p "$data"
    cat > "$data/settings.json" <<'JSON'
{"microEveryMinutes": 1, "headsUpSeconds": 10, "microSeconds": 5, "longEnabled": false,
 "blinkEveryMinutes": 0, "onboarded": true}
JSON
}

start_tarnwick() {
    QT_LOGGING_RULES="tarnwick.model.debug=true" "$tarnwick" > "$log" 2>&1 &
    pid=$!
    trap 'kill $pid 2>/dev/null || true; rm -f "$log"' EXIT
    # Ready once the instance lock exists.
    for _ in $(seq 50); do
        [ -e "$data/tarnwick.lock" ] && return 0
        kill -0 "$pid" 2>/dev/null || fail "tarnwick exited at start"
        sleep 0.1
    done
    fail "tarnwick did not start"
}

# Waits up to $1 seconds for the history file to contain the text $2.
wait_for_history() {
    local seconds=$1 text=$2
    for _ in $(seq $((seconds * 10))); do
        grep -q -- "$text" "$data/history.json" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "history.json never held '$text'; it holds: $(cat "$data/history.json" 2>/dev/null)"
}
