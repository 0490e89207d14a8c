#!/usr/bin/env bash
# A first start, with no files, welcomes the user; a later start shows no window; the stats
# window opens from the tray panel, once however often it is asked for.
source "$(dirname "$0")/lib.sh"
start_accessibility

# How many visible windows carry the title $1.
windows_titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

# Waits up to 10 s for exactly $2 windows titled $1.
await_windows() {
    for _ in $(seq 100); do [ "$(windows_titled "$1")" -eq "$2" ] && return 0; sleep 0.1; done
    fail "expected $2 window(s) titled '$1', found $(windows_titled "$1")"
}

stop() { kill "$pid"; wait "$pid" || true; }

# First start: nothing in the data folder.
rm -rf "$data"
start_tarnwick
await_windows 'Welcome to Tarnwick' 1
stop

# A start after onboarding shows no window at all.
mkdir -p "$data"
echo '{"onboarded": true}' > "$data/settings.json"
start_tarnwick
sleep 2
for title in 'Welcome to Tarnwick' 'Tarnwick Settings' 'Tarnwick Stats'; do
    [ "$(windows_titled "$title")" -eq 0 ] || fail "a start after onboarding showed '$title'"
done

# Stats from the panel, twice: one window.
for _ in 1 2; do
    "$tarnwick" > /dev/null 2>&1 || fail "the second start failed"
    pressed=
    for _ in $(seq 40); do
        /usr/bin/python3 "$tree" tarnwick --press Stats && { pressed=1; break; }
        sleep 0.25
    done
    [ -n "$pressed" ] || fail "the panel offered no Stats button"
    await_windows 'Tarnwick Stats' 1
done
sleep 0.5
[ "$(windows_titled 'Tarnwick Stats')" -eq 1 ] || fail "a second request made a second stats window"
stop
echo "windows at start: ok"
