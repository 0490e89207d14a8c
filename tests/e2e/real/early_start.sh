#!/usr/bin/env bash
# Started at login before XWayland is up (run with WITH_REAL_DESKTOP_EARLY=1: the compositor's
# Wayland socket exists, DISPLAY and XAUTHORITY are not set), Tarnwick waits for XWayland instead
# of giving up, and then shows its tray icon.
source "$(dirname "$0")/lib.sh"
[ -n "${TARNWICK_DESKTOP_READY:-}" ] || fail "run with WITH_REAL_DESKTOP_EARLY=1"
[ -z "${DISPLAY:-}" ] || fail "DISPLAY is set already: $DISPLAY"
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "no Wayland socket at $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"
write_settings '"naturalBreakMinutes": 10, "microEveryMinutes": 30'
"$tarnwick" > "$log" 2>&1 &
pid=$!

# The rest of the desktop comes up meanwhile.
for _ in $(seq 200); do [ -e "$TARNWICK_DESKTOP_READY" ] && break; sleep 0.1; done
[ -e "$TARNWICK_DESKTOP_READY" ] || fail "the desktop did not get ready"
source "$TARNWICK_DESKTOP_READY"
echo "XWayland is $DISPLAY"
kill -0 "$pid" 2> /dev/null || fail "tarnwick exited before XWayland was up (status $(wait "$pid"; echo $?))"
if ! wait_for_tray_item 20; then
    # The program may say the same thing many times: each line once, with its count.
    sort "$log" | uniq -c | sort -rn > "$work/lines" && cp "$work/lines" "$log"
    fail "no tray icon 20 s after XWayland was up"
fi
kill -0 "$pid" 2> /dev/null || fail "tarnwick exited"
end_test
