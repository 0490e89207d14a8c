#!/usr/bin/env bash
# A due break on a real desktop while a native Wayland window is full screen in front (a GTK 3
# window on the Wayland backend, which X11 does not see): the compositor's own account of the
# window in front holds the break (the phase "held micro fullscreen", "held" in the history), and
# once the window has gone the break comes. Input comes through the compositor meanwhile, as from a
# user at work.
source "$(dirname "$0")/lib.sh"
write_settings '"microSeconds": 10, "naturalBreakMinutes": 10'

keep_working 8
start_tarnwick
wait_for_log 10 "full screen:" || problem "the program named no full-screen source"
grep -o 'full screen: .*' "$log" | head -n 1

# The native window in front before the break falls due (heads-up at 50 s).
/usr/bin/python3 "$real_dir/desktop.py" fullscreen 80 > "$work/window.out" 2>&1 &
window=$!
helpers+=("$window")
for _ in $(seq 50); do grep -q shown "$work/window.out" && break; sleep 0.1; done
grep -q shown "$work/window.out" || fail "the native window did not show: $(cat "$work/window.out")"
sleep 1
[ -z "$(xdotool search --pid "$window" 2> /dev/null)" ] || problem "the native window has an X11 window too"
case $desktop in
    sway) front=$(swaymsg -t get_tree -r | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("focused"):
        return node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        found = walk(child)
        if found:
            return found
n = walk(json.load(sys.stdin)) or {}
print(n.get("pid"), n.get("shell"), n.get("fullscreen_mode"), n.get("rect"))')
          echo "in front: $front"
          [[ $front == "$window xdg_shell 1 "* ]] || problem "the native window is not the full-screen one in front: $front" ;;
esac
screenshot "$work/window.png"

expect_held 60 fullscreen "the native full-screen window was in front"
keep_screenshot held > /dev/null
kill "$window"
wait "$window" 2> /dev/null || true

wait_for_log 25 "phase onBreak micro" || problem "no break within 25 s of the native window's end"
stop_working
end_test
