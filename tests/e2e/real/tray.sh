#!/usr/bin/env bash
# The tray icon on a real desktop: Tarnwick's StatusNotifierItem is registered with the desktop's
# watcher and drawn in its bar (on GNOME by the AppIndicator extension, in the top bar), and
# activating it through the compositor opens the panel, a window 304 px wide named "Tarnwick": on
# GNOME a click shows the item's menu and a double click activates it; on Plasma's system tray
# and on sway (swaybar) a click activates it, and the panel has the keyboard.
source "$(dirname "$0")/lib.sh"
write_settings '"naturalBreakMinutes": 10, "microEveryMinutes": 30'

# The bar before the icon is there, to find the icon by what changed.
start_input
screenshot "$work/before.png"
start_tarnwick
wait_for_tray_item 15 || fail "no StatusNotifierItem of tarnwick with the watcher; it lists: $(desktop_py items 2>&1 | tr '\n' ' ')"
item=$(tray_item)
echo "tray item: $item"
sleep 1  # the bar draws the new icon
after=$(keep_screenshot icon)

# The icon's box: what changed in the bar, leaving out GNOME's clock in the middle of its top bar.
case $desktop in
    gnome) bar=(0 0 1920 32) clock=(800 1120) ;;
    kde) bar=(0 1036 1920 1080) clock=(1920 1920) ;;  # the panel along the bottom
    sway) bar=(0 0 1920 24) clock=(1920 1920) ;;  # swaybar without a status line: workspaces and the tray
esac
icon=
for range in "${bar[0]} ${clock[0]}" "${clock[1]} ${bar[2]}"; do
    read -r x0 x1 <<< "$range"
    # Plasma's panel packs its widgets, so those after the new icon move along.
    [ "$desktop" = kde ] && how=inserted || how=changed
    box=$(desktop_py "$how" "$work/before.png" "$after" "$x0" "${bar[1]}" "$x1" "${bar[3]}")
    [ -n "$box" ] && icon=$box
done
if [ -z "$icon" ]; then
    problem "nothing new in the bar (${bar[*]}) once the item was registered; see $after"
else
    read -r ix0 iy0 ix1 iy1 <<< "$icon"
    echo "icon drawn at ${ix0},${iy0} to ${ix1},${iy1}"
    # (the icons beside it may move over to make room)
    [ $((ix1 - ix0)) -le 96 ] && [ $((iy1 - iy0)) -le 48 ] || problem "what changed in the bar is not one icon: $icon"
fi

panel_shown && fail "the panel was open before the click"
[ -n "$icon" ] && cx=$(((ix0 + ix1) / 2)) cy=$(((iy0 + iy1) / 2))
if [ -n "$icon" ] && [ "$desktop" = gnome ]; then
    # GNOME's extension opens the item's menu on a click and activates the item on a double click.
    cx=$(((ix0 + ix1) / 2)) cy=$(((iy0 + iy1) / 2))
    click 1 "$cx" "$cy"
    sleep 1
    menu=$(keep_screenshot menu)
    [ -n "$(desktop_py changed "$after" "$menu" 1400 40 1920 600)" ] || problem "a click on the icon showed no menu; see $menu"
    panel_shown && problem "a click on the icon opened the panel besides the menu"
    click 1 "$cx" "$cy"  # closes the menu again
    sleep 1
    click 2 "$cx" "$cy"
    wait_for_panel 5 || problem "a double click on the icon at $cx,$cy did not open the panel"
elif [ -n "$icon" ]; then
    click 1 "$cx" "$cy"
    wait_for_panel 5 || problem "a click on the icon at $cx,$cy did not open the panel"
fi
if panel_shown; then
    sleep 0.5  # the panel's first frame
    keep_screenshot panel > /dev/null
    panel= geometry=
    read -r panel geometry < <(windows_named '^Tarnwick$' | grep ' 304x' | head -n 1) || true
    echo "panel: ${geometry:-none}"
    [ -n "$geometry" ] || problem "the panel closed again at once"
    # As tall as its content: the size the program asked for (sway can leave the one it had).
    if [ -n "$panel" ]; then
        asked=$(xprop -id "$panel" WM_NORMAL_HINTS | sed -n 's/.*user specified size: \([0-9]*\) by \([0-9]*\).*/\1x\2/p')
        sleep 1
        read -r _ geometry < <(windows_named '^Tarnwick$' | grep ' 304x' | head -n 1) || true
        [ "${geometry%%+*}" = "$asked" ] || problem "the panel is ${geometry:-gone}, not the ${asked:-unknown} its content needs"
    fi
    # A panel of the tray has no entry in the task bar (Plasma's lists every other window; sway has
    # no task bar, and its XWayland window manager keeps no such state).
    [ "$desktop" != sway ] && [ -n "$panel" ] && ! xprop -id "$panel" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR &&
        problem "the panel would have an entry in the task bar: $(xprop -id "$panel" _NET_WM_STATE)"
    # It has the keyboard, as a window the window manager manages (sway and KWin say which is active).
    if [ -n "$panel" ] && [ "$desktop" != gnome ] && [ "$(xdotool getactivewindow 2> /dev/null)" != "$panel" ]; then
        problem "the panel does not have the keyboard: the active window is $(xdotool getactivewindow 2>&1)"
    fi
    # It opens by the icon: its top near the bar, the icon above its width. Plasma's tray tells
    # the click's place only in a call that Qt does not pass on, and XWayland's pointer is stale
    # over Plasma's panel: there the panel opens just above the right end of the panel, where
    # Plasma keeps its system tray.
    if [ -n "$icon" ] && [[ $geometry =~ ^304x([0-9]+)\+(-?[0-9]+)\+(-?[0-9]+)$ ]]; then
        px=${BASH_REMATCH[2]} py=${BASH_REMATCH[3]} ph=${BASH_REMATCH[1]}
        if [ "$desktop" = kde ]; then
            [ $((py + ph)) -le "${bar[1]}" ] && [ $((py + ph)) -ge $((bar[1] - 16)) ] && [ $((px + 304)) -ge 1900 ] ||
                problem "the panel opened at $geometry, not just above the right end of Plasma's panel: $(describe_window "$panel" | tr '\n' ' ')"
        elif [ "$py" -gt $((bar[3] + 80)) ] || [ "$ix1" -lt $((px - 40)) ] || [ "$ix0" -gt $((px + 304 + 40)) ]; then
            problem "the panel opened at $geometry, away from the icon at $icon: $(describe_window "$panel" | tr '\n' ' ')"
        fi
    fi
fi
end_test
