#!/usr/bin/env bash
# The session bus going away after the desktop picture was read through GSettings leaves Tarnwick
# running: the next break comes and is recorded as before.
source "$(dirname "$0")/lib.sh"
mkdir -p "$data"
cat > "$data/settings.json" <<'JSON'
{"microEveryMinutes": 1, "headsUpSeconds": 10, "microSeconds": 3, "longEnabled": false,
 "blinkEveryMinutes": 0, "onboarded": true, "breakBackground": "wallpaper"}
JSON

# A session bus of the program's own, to take away; GNOME's schema read through dconf, which
# watches it over GLib's shared connection.
read -r bus_address bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -s -d ' ')
[ -n "$bus_pid" ] || fail "no session bus"
helpers+=("$bus_pid")
unset GSETTINGS_BACKEND
export DBUS_SESSION_BUS_ADDRESS=$bus_address XDG_CURRENT_DESKTOP=GNOME
start_tarnwick

xdotool key ctrl+alt+b
for _ in $(seq 50); do grep -q "phase onBreak micro" "$log" && break; sleep 0.1; done
grep -q "phase onBreak micro" "$log" || fail "the hot key did not start a break"
wait_for_history 10 '"outcome": "taken"'
# The connections Tarnwick holds on the bus: GLib's, for dconf's watch, among them by now.
connections() {
    local name n=0
    for name in $(dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.ListNames |
                  grep -o '":1\.[0-9]*"' | tr -d '"'); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetConnectionUnixProcessID \
            "string:$name" 2>/dev/null | grep -q "uint32 $pid\$" && n=$((n + 1))
    done
    echo $n
}
for _ in $(seq 50); do [ "$(connections)" -ge 1 ] && break; sleep 0.1; done
echo "tarnwick holds $(connections) connection(s) on its session bus"

kill "$bus_pid"
sleep 2
kill -0 "$pid" 2>/dev/null || fail "tarnwick ended with the session bus (status $(wait "$pid"; echo $?))"
xdotool key ctrl+alt+b
for _ in $(seq 100); do [ "$(grep -c '"outcome": "taken"' "$data/history.json")" -ge 2 ] && break; sleep 0.1; done
[ "$(grep -c '"outcome": "taken"' "$data/history.json")" -ge 2 ] || fail "no break after the bus went away"
kill -0 "$pid" 2>/dev/null || fail "tarnwick ended after the bus went away"
echo "session bus lost: ok"
