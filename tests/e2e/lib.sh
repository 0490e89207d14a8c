# Shared steps of the end-to-end tests. Sourced by each test, which runs inside with-desktop
# with the tarnwick binary as its first argument.
set -euo pipefail

tarnwick=$1
data="$XDG_DATA_HOME/Tarnwick"
log=$(mktemp)
pid=
bus=
tree="$(dirname "${BASH_SOURCE[0]}")/accessible_tree.py"
# Further processes a test starts, stopped with it.
helpers=()

# Stops what the test started and removes its files, whatever its outcome.
finish() {
    local p
    for p in $pid $bus "${helpers[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -f "$log" "$log.tree" "$log.out" "$log.err"
}
trap finish EXIT

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
    QT_LOGGING_RULES="tarnwick.model.debug=true;tarnwick.session.debug=true" "$tarnwick" > "$log" 2>&1 &
    pid=$!
    for _ in $(seq 50); do
        [ -e "$data/tarnwick.lock" ] && break
        kill -0 "$pid" 2>/dev/null || fail "tarnwick exited at start"
        sleep 0.1
    done
    [ -e "$data/tarnwick.lock" ] || fail "tarnwick did not start"
    wait_until_ready
}

# Waits for the started process to have set itself up: the hot key's grab is checked before it is
# logged, so a key pressed after this reaches it. On a loaded machine that can take seconds.
wait_until_ready() {
    for _ in $(seq 150); do
        grep -q "hot key: " "$log" && return 0
        kill -0 "$pid" 2>/dev/null || fail "tarnwick exited at start"
        sleep 0.1
    done
    fail "tarnwick did not finish starting"
}

# Whether the tray panel of the process $1 (default: the started one) is on screen. The panel is 304
# wide; the tray icon's own window has the same name.
panel_shown() {
    local w
    for w in $(xdotool search --onlyvisible --pid "${1:-$pid}" --name '^Tarnwick$' 2>/dev/null); do
        xwininfo -id "$w" | grep -q 'Width: 304' && return 0
    done
    return 1
}

# Waits up to $1 seconds for the tray panel of the started process to show.
wait_for_panel() {
    for _ in $(seq $(($1 * 10))); do panel_shown && return 0; sleep 0.1; done
    return 1
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

# Starts an accessibility bus for the program to join, with Qt's bridge always on.
start_accessibility() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
    bus=$!
    sleep 1
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Reads the program's accessibility tree until a line (role, a tab, name) matches: exactly with
# -F, as an extended regular expression with -E. Gives up after 10 s.
expect() {
    local how=$1 line=$2
    for _ in $(seq 20); do
        /usr/bin/python3 "$tree" tarnwick > "$log.tree" 2>/dev/null || true
        grep -qx "$how" -- "$line" "$log.tree" && return 0
        sleep 0.5
    done
    echo "--- the accessibility tree holds:" >&2
    cat "$log.tree" >&2
    fail "nothing reads as '$line'"
}

# Presses the showing push button named $1 through the accessibility bus.
press() { /usr/bin/python3 "$tree" tarnwick --press "$1" || fail "no button '$1' to press"; }

# Waits up to 10 s for the started program to serve its control interface on the session bus.
wait_for_control() {
    for _ in $(seq 100); do
        gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
            --method org.freedesktop.DBus.NameHasOwner io.tarnwick.Tarnwick 2>/dev/null | grep -q true && return 0
        kill -0 "$pid" 2>/dev/null || fail "tarnwick exited at start"
        sleep 0.1
    done
    fail "tarnwick never took its name on the session bus"
}

# Runs the command line ($tarnwick "$@"), keeping its output in $out and $err and its exit code in $code.
out="$log.out"
err="$log.err"
code=0
cli() {
    code=0
    "$tarnwick" "$@" > "$out" 2> "$err" || code=$?
}
# Runs the command line and fails unless it exits with $1.
expect_exit() {
    local want=$1
    shift
    cli "$@"
    [ "$code" = "$want" ] || fail "tarnwick $* exited $code, not $want; it said: $(cat "$out" "$err")"
}
