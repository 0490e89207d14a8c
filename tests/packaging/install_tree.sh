#!/usr/bin/env bash
# install_tree.sh BUILD_DIR SOURCE_DIR APP_ID, inside scripts/with-desktop.
# Installs the build into a temporary prefix, as the package does, and checks what a desktop and a
# person meet there: the desktop entry and the metainfo validate and name each other, the icon is
# there in every size at that size, the copyright file carries every licence of resources/, and
# the installed program opens its windows (its views module is found from the install tree) and
# registers itself, at its installed path, for launch at login.
set -uo pipefail
build=${1:?usage: install_tree.sh BUILD_DIR SOURCE_DIR APP_ID}
source=${2:?}
app_id=${3:?}
prefix=$(mktemp -d "${TMPDIR:-/tmp}/install-tree.XXXXXXXX")
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$prefix"' EXIT
failed=0
check() { if "${@:2}"; then echo "ok - $1"; else echo "not ok - $1"; failed=1; fi; }

cmake --install "$build" --prefix "$prefix" > /dev/null || { echo "not ok - cmake --install failed"; exit 1; }
share=$prefix/share

check "the desktop entry validates" desktop-file-validate "$share/applications/tarnwick.desktop"
check "the metainfo validates" appstreamcli validate --no-net --pedantic "$share/metainfo/$app_id.metainfo.xml"
check "the desktop entry is in German and Arabic too" test "$(grep -c -e '^GenericName\[de\]=' -e '^GenericName\[ar\]=' "$share/applications/tarnwick.desktop")" = 2
check "the metainfo's summary is in Japanese too" grep -q '<summary xml:lang="ja">' "$share/metainfo/$app_id.metainfo.xml"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$share/metainfo/$app_id.metainfo.xml")
check "the metainfo launches the installed desktop entry" test -f "$share/applications/$launchable"
icon=$(sed -n 's/^Icon=//p' "$share/applications/tarnwick.desktop")
sized() {  # every hicolor PNG of the icon has the pixel size its folder names
    local file size found=0
    for file in "$share"/icons/hicolor/*x*/apps/"$icon".png; do
        size=$(basename "$(dirname "$(dirname "$file")")")
        [ "$(identify -format '%wx%h' "$file")" = "$size" ] || { echo "  $file is not $size" >&2; return 1; }
        found=$((found + 1))
    done
    [ "$found" -ge 9 ] && [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ]
}
check "the icon is there in every size" sized
licensed() {  # each licence file's text, word for word, is in the copyright file
    local licence words
    words=$(tr -s ' \t\r\n' ' ' < "$share/doc/tarnwick/copyright" | sed 's/ \. / /g')
    while IFS= read -r licence; do
        grep -qF -- "$(tr -s ' \t\r\n' ' ' < "$licence" | sed 's/^ //; s/ $//')" <<<"$words" ||
            { echo "  ${licence#"$source"/} is not in the copyright file" >&2; return 1; }
    done < <(find "$source/resources" -iname 'licen[cs]e*' -o -iname 'copying*')
}
check "the copyright file carries every licence of resources/" licensed
check "the manual page reads" sh -c "man -l '$share/man/man1/tarnwick.1.gz' 2>&1 >/dev/null | (! grep .)"

# A first start of the installed program: its welcome window, and launch at login at its own path.
data=$XDG_DATA_HOME/Tarnwick
mkdir -p "$data"
echo '{"launchAtLogin": true}' > "$data/settings.json"
"$prefix/bin/tarnwick" > "$prefix/log" 2>&1 &
pid=$!
welcome() { for _ in $(seq 150); do xdotool search --onlyvisible --name '^Welcome to Tarnwick$' >/dev/null && return 0; sleep 0.1; done; return 1; }
check "the installed program opens its welcome window" welcome
entry=$XDG_CONFIG_HOME/autostart/tarnwick.desktop
check "launch at login starts the installed program" grep -qx "Exec=$prefix/bin/tarnwick" "$entry"
check "... and validates as a desktop entry" desktop-file-validate "$entry"
served() {  # the running installed program serves the interface its installed file describes
    local _
    for _ in $(seq 50); do
        gdbus introspect --session --dest io.tarnwick.Tarnwick --object-path /io/tarnwick/Tarnwick --xml \
            > "$prefix/introspection" 2>/dev/null && break
        sleep 0.1
    done
    python3 "$source/tests/e2e/same_interface.py" io.tarnwick.Tarnwick1 \
        "$share/dbus-1/interfaces/io.tarnwick.Tarnwick1.xml" "$prefix/introspection"
}
check "the installed program serves the installed control interface" served
check "the installed command line reaches it" "$prefix/bin/tarnwick" status
[ $failed = 0 ] || { echo "--- program log:"; cat "$prefix/log"; }
exit $failed
