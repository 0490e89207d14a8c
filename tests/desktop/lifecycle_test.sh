#!/usr/bin/env bash
# lifecycle_test.sh PATH/TO/with-desktop
# What with-desktop promises: CMD's exit status comes back; inside, the null sink and source are
# the defaults and the session bus answers; nothing started is left running; two runs at once work.
set -uo pipefail
with_desktop=${1:?usage: lifecycle_test.sh PATH/TO/with-desktop}
work=$(mktemp -d "${TMPDIR:-/tmp}/with-desktop-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
check() { if "${@:2}" >/dev/null; then echo "ok - $1"; else echo "not ok - $1"; failed=1; fi; }

status_is() {
    "$with_desktop" "${@:2}" </dev/null >/dev/null 2>"$work/stderr"
    local got=$?
    [ "$got" = "$1" ] || { echo "  expected status $1, got $got" >&2; cat "$work/stderr" >&2; return 1; }
}
check "success passes through" status_is 0 true
check "failure passes through" status_is 42 sh -c 'exit 42'
# Background jobs of a script ignore SIGINT unless the script restores it; CMD must not.
check "death by SIGINT reads as 130" status_is 130 sh -c 'kill -INT $$; sleep 5'

# CMD leaves a job behind and notes the run's marker, its logs folder, the job's and the services' pids.
check "a run that leaves a job behind succeeds" "$with_desktop" sh -c 'sleep 300 >/dev/null 2>&1 &
    echo "$TARNWICK_DESKTOP_RUN" "$TARNWICK_DESKTOP_LOGS" $! $TARNWICK_DESKTOP_PIDS >"$1"' sh "$work/run"
read -r run logs started <"$work/run"
none_alive() {
    local p
    for p in "$@"; do ! kill -0 "$p" 2>/dev/null || { echo "  pid $p still runs" >&2; return 1; }; done
    [ $# -ge 2 ]
}
none_marked() {
    local left
    left=$(grep -lzx "TARNWICK_DESKTOP_RUN=$1" /proc/[0-9]*/environ 2>/dev/null)
    [ -n "$1" ] && [ -z "$left" ] || { echo "  still running with the marker: $left" >&2; return 1; }
}
# shellcheck disable=SC2086  # one pid a word
check "the services and the job left behind are stopped" none_alive $started
check "no process carries the run's marker" none_marked "$run"
check "the temporary folder is removed" [ ! -e "$(dirname "$logs")" ]

# Two runs at once, each noting its display, monitors, default sound devices and session bus.
probe='{ echo "$DISPLAY"; xrandr --listmonitors | head -n 1; pactl info | grep "^Default S"
         dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
             org.freedesktop.DBus.GetId >/dev/null && echo "bus answers"; } >"$1"; sleep 1'
"$with_desktop" sh -c "$probe" sh "$work/a" </dev/null >/dev/null 2>&1 & first=$!
"$with_desktop" sh -c "$probe" sh "$work/b" </dev/null >/dev/null 2>&1 & second=$!
wait "$first"; a=$?; wait "$second"; b=$?
check "two runs at once both succeed" [ "$a $b" = "0 0" ]
check "they get different displays" [ "$(head -n 1 "$work/a")" != "$(head -n 1 "$work/b")" ]
for line in "Monitors: 2" "Default Sink: null_sink" "Default Source: null_source" "bus answers"; do
    check "each has '$line'" [ "$(cat "$work/a" "$work/b" | grep -cx "$line")" = 2 ]
done

# A chosen size gives one monitor of that size; a malformed one is refused before anything starts.
WITH_DESKTOP_SIZE=1920x1080 "$with_desktop" sh -c 'xrandr --listmonitors | head -n 1
    xdpyinfo | sed -n "s/^ *dimensions: *\([0-9x]*\) pixels.*/\1/p"' </dev/null >"$work/sized" 2>/dev/null
check "WITH_DESKTOP_SIZE makes one screen of that size" [ "$(tr '\n' ' ' <"$work/sized")" = "Monitors: 1 1920x1080 " ]
refused() { WITH_DESKTOP_SIZE=$1 "$with_desktop" true </dev/null >/dev/null 2>&1; [ $? = 2 ]; }
check "a malformed WITH_DESKTOP_SIZE is a usage error (status 2)" refused 1920by1080
exit $failed
