#!/usr/bin/env bash
source "$(dirname "$0")/lib.sh"
write_settings '"microSeconds": 10, "naturalBreakMinutes": 10'
keep_working 8
start_tarnwick
xterm -fullscreen -bg '#203020' &
term=$!
helpers+=("$term")
sleep 3
term_window=$(xdotool search --onlyvisible --pid "$term" 2> /dev/null | head -n 1)
echo "term $term_window active $(xdotool getactivewindow 2>&1)"
xprop -root _NET_ACTIVE_WINDOW _NET_SUPPORTING_WM_CHECK
gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell --method org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive
keep_screenshot dbg; cp $shots/*dbg* /tmp/ || true
end_test
