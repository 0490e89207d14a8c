#!/usr/bin/env bash
# The settings window opened from the tray menu: one window however often it is asked for, every
# pane readable through the accessibility bus and usable by the keyboard, a toggle that reaches
# settings.json within a second, and the live microphone signal on while parecord records.
source "$(dirname "$0")/lib.sh"
start_accessibility

# No break comes while the test runs.
mkdir -p "$data"
echo '{"microEveryMinutes": 60, "longEnabled": false, "blinkEveryMinutes": 0, "onboarded": true}' > "$data/settings.json"
start_tarnwick
recorder=
sleep 1

# The program's visible windows with exactly this title, one id a line. (With --pid, xdotool's
# search lists the program's windows whatever their names.)
windows_named() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && echo "$w"
    done
    return 0
}
settings_windows() { windows_named 'Tarnwick Settings' | wc -l; }

# "Settings" in the tray menu: a right click on the icon, then the entry above "Quit".
open_from_tray() {
    local icon= w
    for _ in $(seq 50); do
        for w in $(xdotool search --pid "$pid" --class tarnwick 2>/dev/null); do
            if [ "$(xdotool getwindowname "$w")" = Tarnwick ] && xwininfo -id "$w" | grep -q 'Width: 22'; then icon=$w; break; fi
        done
        [ -n "$icon" ] && break
        sleep 0.1
    done
    [ -n "$icon" ] || fail "no tray icon window"
    eval "$(xdotool getwindowgeometry --shell "$icon")"
    xdotool mousemove $((X + 11)) $((Y + 11)) click 3
    sleep 0.8
    xdotool key Up Up Return
}

opened() {
    for _ in $(seq 50); do [ "$(settings_windows)" -eq 1 ] && return 0; sleep 0.1; done
    return 1
}
# The tray may still be settling its layout: one more try before giving up.
open_from_tray
opened || { xdotool key Escape; sleep 1; open_from_tray; opened; } || fail "the tray menu did not open the settings"
expect -F $'page tab\tScreen Breaks'
expect -F $'radio button\t20-20-20'
expect -F $'check box\t20-20-20 eye breaks'
expect -F $'combo box\tShow a break every'

# Asked again, the same window comes to the front.
open_from_tray
sleep 1
n=$(settings_windows)
[ "$n" -eq 1 ] || fail "a second request left $n settings windows"

# The keyboard alone: the sidebar has it, Up goes to General, Tab to the tray toggle, Space flips it.
xdotool key Up
expect -F $'check box\tStart Tarnwick when I log in'
expect -F $'label\tCtrl Alt B'
xdotool key Tab Tab space
for _ in $(seq 10); do grep -q '"menuBarCountdown": false' "$data/settings.json" 2>/dev/null && break; sleep 0.1; done
grep -q '"menuBarCountdown": false' "$data/settings.json" || fail "the tray toggle did not reach settings.json within a second"

# Every pane, in sidebar order.
xdotool key shift+Tab shift+Tab
for pane in 'Smart Pause' 'Wellness Reminders' 'Break Screen' 'Sounds' 'Privacy & Data' 'About'; do
    xdotool key Down
    [ "$pane" = 'Smart Pause' ] && xdotool key Down
    expect -F $'heading\t'"$pane"
    case $pane in
        'Smart Pause')
            expect -F $'label\tMicrophone: off'
            parecord /dev/null > /dev/null 2>&1 &
            recorder=$!; helpers+=("$recorder")
            expect -F $'label\tMicrophone: on'
            kill $recorder; recorder=
            expect -F $'label\tMicrophone: off' ;;
        'Wellness Reminders') expect -F $'push button\tPreview the blink reminder' ;;
        'Break Screen') expect -F $'radio button\tSunset'; expect -F $'push button\tTry a 20-second break' ;;
        'Sounds') expect -F $'combo box\tSound'; expect -F $'push button\tPlay sound' ;;
        'Privacy & Data')
            expect -F $'push button\tExport\u2026'
            expect -E $'label\tYour settings and [0-9]+ recorded breaks? are stored only on this computer, in ~/.*'
            # Pressed through the accessibility bus, Export… opens the save dialog; Escape cancels it.
            press $'Export\u2026'
            dialog() { [ -n "$(windows_named 'Export settings and break history')" ]; }
            for _ in $(seq 50); do dialog && break; sleep 0.1; done
            dialog || fail "Export… did not open the save dialog"
            xdotool windowactivate --sync "$(windows_named 'Export settings and break history' | head -1)" 2>/dev/null || true
            xdotool key Escape
            for _ in $(seq 50); do dialog || break; sleep 0.1; done
            dialog && fail "Escape did not close the save dialog" ;;
        'About') expect -E $'label\tVersion [0-9.]+ · personal build' ;;
    esac
done
echo "settings window: ok"
