#!/usr/bin/env bash
# Without a display Tarnwick says so in one console line and exits with status 1, touching nothing:
# on a console, on a Wayland session without XWayland, and with an X display that does not answer.
set -euo pipefail
tarnwick=$1
home=$(mktemp -d)
out=$(mktemp)
err=$(mktemp)
trap 'rm -rf "$home" "$out" "$err"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs tarnwick in an environment of only the given variables; checks status 1 and the one line.
expect_line() {
    local line=$1
    shift
    local status=0
    env -i HOME="$home" PATH="$PATH" XDG_RUNTIME_DIR="$home" "$@" "$tarnwick" > "$out" 2> "$err" || status=$?
    [ "$status" -eq 1 ] || fail "exit status $status, not 1, with $*; it said: $(cat "$err")"
    [ ! -s "$out" ] || fail "it wrote to standard output: $(cat "$out")"
    [ "$(wc -l < "$err")" -eq 1 ] || fail "not one line with $*: $(cat "$err")"
    [ "$(cat "$err")" = "$line" ] || fail "with $*, it said: $(cat "$err")"
}

expect_line "Tarnwick: needs a graphical desktop, and there is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set)."
expect_line "Tarnwick: needs a graphical desktop, and there is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set)." \
    XDG_SESSION_TYPE=tty
expect_line "Tarnwick: needs XWayland to run on Wayland, and this session has none (DISPLAY is not set)." \
    XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-0
expect_line "Tarnwick: cannot open the X display :4711; is the desktop still running?" DISPLAY=:4711
expect_line "Tarnwick: cannot open the X display :4711; is the desktop still running?" \
    XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-0 DISPLAY=:4711
[ -z "$(ls -A "$home")" ] || fail "it left files behind: $(ls -A "$home")"
echo "no display: ok"
