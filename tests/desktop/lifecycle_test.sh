#!/usr/bin/env bash
# lifecycle_test.sh PATH/TO/with-desktop
# The script's promises: CMD's exit status comes back, including failure and death by signal;
# CMD keeps its standard input; everything started is gone afterwards, found by pid and by the
# run's marker in the environment; two runs at once both work; a service that fails to start
# ends the run with status 125 and leaves nothing behind.
set -uo pipefail
. "$(dirname "$0")/test_lib.sh"

with_desktop=${1:?usage: lifecycle_test.sh PATH/TO/with-desktop}
work=$(mktemp -d "${TMPDIR:-/tmp}/with-desktop-test.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Runs with-desktop and compares its exit status with the expected one.
status_is() {
    local expected=$1
    shift
    "$with_desktop" "$@" </dev/null >/dev/null 2>"$work/stderr"
    local got=$?
    [ "$got" = "$expected" ] || { echo "  expected status $expected, got $got" >&2; cat "$work/stderr" >&2; return 1; }
}

alive() { kill -0 "$1" 2>/dev/null; }

# Pids of live processes whose environment holds TARNWICK_DESKTOP_RUN=$1.
marked() {
    local f
    for f in /proc/[0-9]*/environ; do
        if grep -qzx "TARNWICK_DESKTOP_RUN=$1" "$f" 2>/dev/null; then
            f=${f#/proc/}
            echo "${f%/environ}"
        fi
    done
}

none_alive() {
    local p
    for p in "$@"; do
        if alive "$p"; then
            echo "  pid $p is still running: $(tr '\0' ' ' </proc/"$p"/cmdline 2>/dev/null)" >&2
            return 1
        fi
    done
}

none_marked() {
    local left
    left=$(marked "$1")
    [ -z "$left" ] || { echo "  still running with the marker: $left" >&2; return 1; }
}

# --- exit status ---------------------------------------------------------------------------
check "success passes through" status_is 0 true
check "failure passes through" status_is 1 false
check "any status passes through" status_is 42 sh -c 'exit 42'
check "death by SIGKILL reads as 137" status_is 137 sh -c 'kill -KILL $$'
# Background jobs of a script ignore SIGINT unless the script restores it; CMD must not.
check "death by SIGINT reads as 130" status_is 130 sh -c 'kill -INT $$; sleep 5'
check "a missing command fails" status_is 127 /nonexistent/command

stdin_reaches_cmd() { [ "$(echo hello | "$with_desktop" cat 2>/dev/null)" = hello ]; }
check "CMD reads the caller's standard input" stdin_reaches_cmd

# --- clean-up ------------------------------------------------------------------------------
# CMD notes the service pids, its marker and a background job it leaves behind.
"$with_desktop" sh -c 'echo "$TARNWICK_DESKTOP_RUN" >"$1/run"; echo $TARNWICK_DESKTOP_PIDS >"$1/pids"
                       echo "$TARNWICK_DESKTOP_LOGS" >"$1/logs"; sleep 300 & echo $! >"$1/leftover"' \
    sh "$work" </dev/null >/dev/null 2>&1
read -r run <"$work/run"
read -r -a service_pids <"$work/pids"
read -r leftover <"$work/leftover"
check "every service is stopped" none_alive "${service_pids[@]}"
check "a job CMD left behind is stopped" none_alive "$leftover"
check "no process carries the run's marker" none_marked "$run"
check "the temporary folder is removed" [ ! -e "$(dirname "$(cat "$work/logs")")" ]

# --- two runs at once ----------------------------------------------------------------------
probe='echo "$DISPLAY" >"$1"; xrandr --listmonitors | head -n 1 >>"$1"; pactl info >/dev/null && sleep 1'
"$with_desktop" sh -c "$probe" sh "$work/a" </dev/null >/dev/null 2>&1 &
first=$!
"$with_desktop" sh -c "$probe" sh "$work/b" </dev/null >/dev/null 2>&1 &
second=$!
wait "$first"
first_status=$?
wait "$second"
second_status=$?
check "the first of two concurrent runs succeeds" [ "$first_status" = 0 ]
check "the second of two concurrent runs succeeds" [ "$second_status" = 0 ]
check "concurrent runs get different displays" [ "$(head -n 1 "$work/a")" != "$(head -n 1 "$work/b")" ]
check "both concurrent desktops have two monitors" [ "$(tail -n 1 "$work/a")$(tail -n 1 "$work/b")" = "Monitors: 2Monitors: 2" ]

# --- signals to with-desktop -----------------------------------------------------------------
"$with_desktop" sh -c 'echo "$TARNWICK_DESKTOP_RUN" >"$1/run"; echo $$ >"$1/cmd"; exec sleep 300' sh "$work" \
    </dev/null >/dev/null 2>&1 &
runner=$!
for _ in $(seq 100); do [ -s "$work/cmd" ] && break; sleep 0.1; done
sleep 0.2
kill -TERM "$runner"
wait "$runner"
term_status=$?
check "SIGTERM to with-desktop ends it with 143" [ "$term_status" = 143 ]
check "SIGTERM stops CMD" none_alive "$(cat "$work/cmd")"
check "SIGTERM leaves nothing with the marker" none_marked "$(cat "$work/run")"

# --- services that fail ------------------------------------------------------------------------
# A stand-in pulseaudio, first on PATH, that notes the run's marker and then fails or hangs.
mkdir -p "$work/bin"
cat >"$work/bin/pulseaudio" <<'SHIM'
#!/bin/sh
echo "$TARNWICK_DESKTOP_RUN" >"$SHIM_NOTE"
[ "$SHIM_MODE" = hang ] && exec sleep 300
exit 1
SHIM
chmod +x "$work/bin/pulseaudio"

fails_with_125_naming_pulse() {
    local mode=$1
    rm -f "$work/note"
    PATH="$work/bin:$PATH" SHIM_MODE=$mode SHIM_NOTE="$work/note" WITH_DESKTOP_TIMEOUT=2 \
        "$with_desktop" true </dev/null >/dev/null 2>"$work/stderr"
    local got=$?
    [ "$got" = 125 ] || { echo "  expected status 125, got $got" >&2; return 1; }
    grep -q "pulse" "$work/stderr" || { echo "  stderr does not name pulse:" >&2; cat "$work/stderr" >&2; return 1; }
    [ -s "$work/note" ] && none_marked "$(cat "$work/note")"
}
check "a sound server that exits ends the run with 125, leaving nothing" fails_with_125_naming_pulse exit
check "a sound server that never answers times out with 125, leaving nothing" fails_with_125_naming_pulse hang

finish
