# Shared steps of the tests on real desktops. Sourced by each test, which runs inside
# scripts/with-real-desktop with the tarnwick binary as its first argument; builds on the steps of
# the virtual-desktop tests (../lib.sh).
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

desktop=${TARNWICK_REAL_DESKTOP:?run inside scripts/with-real-desktop}
real_dir=$(dirname "${BASH_SOURCE[0]}")
# Where pictures go: the folder the test names, or a temporary one that goes with the run.
shots=${TARNWICK_SCREENSHOT_FOLDER:-$TARNWICK_DESKTOP_LOGS/screenshots}
mkdir -p "$shots"
case_name=$(basename "$0" .sh)
work=$(mktemp -d)
helpers_done() { rm -rf "$work"; }
trap 'finish; helpers_done' EXIT

# As the virtual-desktop tests start it, with what it says of the session and its idle sources too.
start_tarnwick() {
    QT_LOGGING_RULES="tarnwick.model.debug=true;tarnwick.idle.debug=true;tarnwick.session.debug=true" \
        "$tarnwick" > "$log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        [ -e "$data/tarnwick.lock" ] && return 0
        kill -0 "$pid" 2> /dev/null || fail "tarnwick exited at start"
        sleep 0.1
    done
    fail "tarnwick did not start"
}

desktop_py() { /usr/bin/python3 "$real_dir/desktop.py" "$@"; }

# Settings written before the start: a micro break every minute with a 10 s heads-up; $1 more
# JSON members (such as the break's length or the time away that counts).
write_settings() {
    mkdir -p "$data"
    cat > "$data/settings.json" <<JSON
{"microEveryMinutes": 1, "headsUpSeconds": 10, "microSeconds": 5, "longEnabled": false,
 "blinkEveryMinutes": 0, "onboarded": true, "breakBackground": "gradient"${1:+, $1}}
JSON
}

# The whole screen as the compositor shows it, into $1.
screenshot() { desktop_py screenshot "$1" || fail "the compositor took no screenshot"; }

# A screenshot kept with the test's pictures, named <desktop>-<case>[-$1].png; prints its path.
keep_screenshot() {
    local file="$shots/$desktop-$case_name${1:+-$1}.png"
    screenshot "$file"
    echo "$file"
}

# Input through the compositor, as from the seat's own devices. On GNOME one remote desktop
# session serves the whole test (its indicator in the top bar stays put); it starts with the first
# use, or with start_input before a picture that should show it.
input_pid=
start_input() {
    [ "$desktop" = gnome ] && [ -z "$input_pid" ] || return 0
    coproc INPUT { desktop_py input; }
    input_pid=$INPUT_PID
    helpers+=("$input_pid")
    sleep 0.5  # the top bar makes room for the indicator
}
input_cmd() {
    local reply
    start_input
    echo "$*" >&"${INPUT[1]}" && read -r -t 10 reply <&"${INPUT[0]}" || reply="no answer"
    [ "$reply" = ok ] || { echo "input '$*': $reply" >&2; return 1; }
}

# One small pointer movement.
poke() {
    case $desktop in
        gnome) input_cmd poke ;;
        sway) swaymsg -q -- seat seat0 cursor move 1 0 && swaymsg -q -- seat seat0 cursor move -1 0 ;;
        kde) kwin_input poke ;;
        *) false ;;
    esac || fail "could not send input through the compositor on $desktop"
}

# KWin's fake input (tarnwick_kwin_input, which the test names).
kwin_input() { "${TARNWICK_KWIN_INPUT:?the test names no tarnwick_kwin_input}" "$@"; }

# $1 left clicks in a row (2: a double click) at $2,$3.
click() {
    local n
    case $desktop in
        gnome) input_cmd click "$1" "$2" "$3" ;;
        sway) swaymsg -q seat seat0 cursor set "$2" "$3" &&
                  for ((n = 0; n < $1; n++)); do
                      swaymsg -q seat seat0 cursor press button1 && swaymsg -q seat seat0 cursor release button1 || exit 1
                  done ;;
        kde) kwin_input click "$1" "$2" "$3" ;;
        *) false ;;
    esac || fail "could not click through the compositor on $desktop"
}

# Input every $1 seconds, as a user at work would, until stop_working or the end of the test.
worker=
keep_working() {
    case $desktop in
        gnome) input_cmd work "$1" || fail "could not send input through the compositor" ;;
        *) (while :; do poke 2> /dev/null; sleep "$1"; done) &
           worker=$!
           helpers+=("$worker") ;;
    esac
}
stop_working() {
    case $desktop in
        gnome) input_cmd rest ;;
        *) if [ -n "$worker" ]; then
               # The worker ends only when its input fails.
               kill -0 "$worker" 2> /dev/null || problem "input through the compositor failed while the test worked"
               kill "$worker" 2> /dev/null || true
               wait "$worker" 2> /dev/null || true
               worker=
           fi ;;
    esac
    return 0
}

# The started program's StatusNotifierItem, as the watcher lists it ("service/path", or
# "service@/path" with GNOME's extension); empty when it has none.
tray_item() {
    local item owner
    for item in $(desktop_py items 2> /dev/null); do
        item=${item/@\//\/}
        owner=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
            --method org.freedesktop.DBus.GetConnectionUnixProcessID "${item%%/*}" 2> /dev/null | grep -o '[0-9]\+' | tail -n 1)
        [ "$owner" = "$pid" ] && { echo "$item"; return 0; }
    done
    return 1
}

# Waits up to $1 seconds for the started program's item to be registered with the watcher.
wait_for_tray_item() {
    for _ in $(seq $(($1 * 5))); do tray_item > /dev/null && return 0; sleep 0.2; done
    return 1
}

# The visible X11 windows of the started program named $1, as "id WIDTHxHEIGHT+X+Y" lines.
windows_named() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" --name "$1" 2> /dev/null); do
        echo "$w $(xdotool getwindowgeometry --shell "$w" | tr '\n' ' ' |
            sed -E 's/.*X=([0-9-]+) Y=([0-9-]+) WIDTH=([0-9]+) HEIGHT=([0-9]+).*/\3x\4+\1+\2/')"
    done
}

# What the window manager and the window say about window $1, for failure messages.
describe_window() {
    xwininfo -id "$1" | grep -E 'Absolute|Width|Height|Map State' | sed 's/^ */  /'
    xprop -id "$1" _NET_WM_STATE _NET_WM_WINDOW_TYPE _NET_FRAME_EXTENTS WM_NAME WM_NORMAL_HINTS | sed 's/^/  /'
}

# Waits up to $1 seconds for the log to have a line matching $2.
wait_for_log() {
    for _ in $(seq $(($1 * 10))); do grep -q -- "$2" "$log" && return 0; sleep 0.1; done
    return 1
}

# Waits up to $1 s for the due break to be held for the reason $2 (fullscreen, call) while $3 (what
# holds it, as words), then for the hold's record; a problem, with $4 added, when either is missing
# or the break began anyway.
expect_held() {
    local seconds=$1 reason=$2 while=$3 more=${4:-}
    if wait_for_log "$seconds" "phase held micro $reason"; then
        grep -q "phase onBreak" "$log" && problem "the break began while $while"
        for _ in $(seq 30); do grep -q '"outcome": "held"' "$data/history.json" 2> /dev/null && break; sleep 0.1; done
        grep -q '"outcome": "held"' "$data/history.json" 2> /dev/null || problem "the hold was not recorded in the history"
    else
        problem "the break was not held while $while (phases: $(grep -o 'phase .*' "$log" | tr '\n' ','))${more:+; $more}"
    fi
}

# Failures gathered while a test goes on, so that one run reports every one of them.
problems=()
problem() { echo "PROBLEM: $*" >&2; problems+=("$*"); }
end_test() {
    if [ ${#problems[@]} -gt 0 ]; then
        fail "$desktop $case_name: ${#problems[@]} problem(s): $(printf '%s; ' "${problems[@]}")"
    fi
    echo "$desktop $case_name: ok"
}

# The left Shift key through the compositor every half second, as from a user typing, until
# stop_typing; a problem when the compositor refused any of it.
typer=
start_typing() {
    case $desktop in
        gnome) input_cmd type 0.5 || fail "could not type through the compositor on $desktop" ;;
        *) (while type_key; do sleep 0.5; done) &
           typer=$!
           helpers+=("$typer") ;;
    esac
}
stop_typing() {
    case $desktop in
        gnome) input_cmd rest || problem "typing through the compositor failed" ;;
        *) # The typer ends only when its input fails.
           kill -0 "$typer" 2> /dev/null || problem "typing through the compositor failed"
           kill "$typer" 2> /dev/null || true
           wait "$typer" 2> /dev/null || true ;;
    esac
}

# Keys pressed together through the compositor, as from the seat's keyboard (sway: the
# virtual-keyboard protocol), and released in reverse order: Escape, Tab, B, Shift, Ctrl, Alt, Super.
press_keys() {
    local name n codes=() args=()
    for name; do
        case $name in
            Escape) codes+=(1) args+=(-k Escape) ;;
            Tab) codes+=(15) args+=(-k Tab) ;;
            B) codes+=(48) args+=(-k b) ;;
            Shift) codes+=(42) args+=(-k Shift_L) ;;
            Ctrl) codes+=(29) args+=(-M ctrl) ;;
            Alt) codes+=(56) args+=(-M alt) ;;
            Super) codes+=(125) args+=(-M logo) ;;
            *) fail "press_keys knows no key '$name'" ;;
        esac
    done
    for ((n = $# - 1; n >= 0; n--)); do
        case ${@:n+1:1} in Ctrl) args+=(-m ctrl) ;; Alt) args+=(-m alt) ;; Super) args+=(-m logo) ;; esac
    done
    case $desktop in
        gnome) input_cmd key "${codes[@]}" ;;
        kde) kwin_input key "${codes[@]}" ;;
        sway) wtype "${args[@]}" ;;
        *) echo "no key input through the compositor on $desktop" >&2; false ;;
    esac
}

# One key pressed and released through the compositor: a modifier alone, which types nothing into
# any window.
type_key() { press_keys Shift; }

# The program's break window that covers the monitor (1920x1080 at +0+0) into break_window; a
# problem when none does, and then its first break window. Fails when it shows none.
find_break_window() {
    local entry breaks
    mapfile -t breaks < <(windows_named '^Tarnwick break$')
    [ ${#breaks[@]} -gt 0 ] || fail "no break window is shown"
    for entry in "${breaks[@]}"; do echo "break window: $entry"; done
    break_window=
    for entry in "${breaks[@]}"; do
        [ "${entry#* }" = "1920x1080+0+0" ] && break_window=${entry%% *}
    done
    if [ -z "$break_window" ]; then
        break_window=${breaks[0]%% *}
        problem "no break window covers the monitor: ${breaks[*]#* }, not 1920x1080+0+0; $(describe_window "$break_window" | tr '\n' ' ')"
    fi
}

# Whether the compositor's picture $1 shows the break window $2 over the whole monitor: at the
# corners and at points under the bars (GNOME's top bar is 32 px high; KDE's panel along the
# bottom, 44 px; swaybar along the top, 24 px), each within 16 of the break window's own colour
# there in every channel. A problem for each point that differs, naming $3, a picture of the
# desktop before the break, when given.
check_break_covers() {
    local shot=$1 window=$2 before_shot=${3:-} i s o b d c
    local points=(1,1 1918,1 1,1078 1918,1078 100,16 960,16 1800,16 100,1060 960,1060 1800,1060)
    local shown own before=()
    mapfile -t shown < <(desktop_py pixels "$shot" "${points[@]}")
    mapfile -t own < <(desktop_py window-pixels "$window" "${points[@]}")
    [ -n "$before_shot" ] && mapfile -t before < <(desktop_py pixels "$before_shot" "${points[@]}")
    for i in "${!points[@]}"; do
        s=${shown[$i]#* } o=${own[$i]#* } b=${before[$i]:-}
        b=${b#* }
        echo "at ${points[$i]}: shown $s, break window $o${b:+, desktop before $b}"
        d=
        if [[ $s == \#?????? && $o == \#?????? ]]; then
            for c in 1 3 5; do
                d=$((16#${s:$c:2} - 16#${o:$c:2}))
                (( d >= -16 && d <= 16 )) || break
                d=
            done
        else
            d=unreadable
        fi
        [ -z "$d" ] || problem "at ${points[$i]} the screen shows $s, not the break's $o${b:+ (the desktop before: $b)}; see $shot"
    done
}
