#!/usr/bin/env bash
# Run inside scripts/with-desktop: the services programs on the desktop rely on.
set -uo pipefail
. "$(dirname "$0")/test_lib.sh"

default_is() { pactl info | grep -qx "Default $1: $2"; }
bus_answers() { dbus-send "$1" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.GetId >/dev/null; }
under_private_dir() { case "$1" in "$(dirname "$TARNWICK_DESKTOP_LOGS")"/*) return 0 ;; esac; return 1; }
mode_is() { [ "$(stat -c %a "$1")" = "$2" ]; }
x_refuses_without_cookie() { ! XAUTHORITY=/dev/null xdpyinfo >/dev/null 2>&1; }

check "pactl reaches the sound server" pactl info
check "the null sink is the default sink" default_is Sink null_sink
check "the null source is the default source" default_is Source null_source
check "the session bus answers" bus_answers --session
check "the system bus address is the session bus" [ "$DBUS_SYSTEM_BUS_ADDRESS" = "$DBUS_SESSION_BUS_ADDRESS" ]
check "the system bus answers" bus_answers --system
check "the X server answers with the cookie" xdpyinfo -display "$DISPLAY"
check "the X server refuses a client without the cookie" x_refuses_without_cookie
check "HOME is private" under_private_dir "$HOME"
check "XDG_RUNTIME_DIR is private" under_private_dir "$XDG_RUNTIME_DIR"
check "XDG_RUNTIME_DIR is the user's alone" mode_is "$XDG_RUNTIME_DIR" 700
finish
